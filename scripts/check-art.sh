#!/usr/bin/env bash
# The committed artwork: every bitmap and icon the programs' resource scripts
# name is there, in the layout the resource compiler takes (sizes, 4 bits,
# 16-colour palette, well-formed RLE4), and the generator reproduces every
# file byte for byte.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ART=$ROOT/resources/art
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

python3 "$ART/draw_resources.py" "$fresh"
for file in $(cd "$fresh" && find . -type f | sort); do
  [ -f "$ART/$file" ] || { echo "artwork: $file is missing (run resources/art/draw_resources.py)"; exit 1; }
  cmp -s "$fresh/$file" "$ART/$file" || { echo "artwork: $file differs from what the generator draws"; exit 1; }
done
for file in $(cd "$ART" && find . -type f \( -name '*.bmp' -o -name '*.ico' \) | sort); do
  [ -f "$fresh/$file" ] || { echo "artwork: $file is committed but no longer drawn"; exit 1; }
done

python3 - "$ART" <<'EOF'
import os
import struct
import sys

art = sys.argv[1]
failures = []

BARS = {
    "veskarin": "Gap Mask Open Prev Next ZmOut ZmIn SaveAs Replc About Help Exit Space",
    "peltrane": "Gap Open Prev Next ZmOut ZmIn SaveAs Replc PlMode About Help Exit Space",
    "mordelix": "Gap Mask Open Prev Next SaveAll SaveAs About Help Exit Space",
    "zandovir": "Gap Open Prev Next SaveAll SaveAs About Help Exit Space",
}
PICTURES = {"veskarin": (253, 221), "peltrane": (253, 221), "mordelix": (430, 308), "zandovir": (440, 300)}
FACE_ENTRY = 7  # the only palette entry in which the four button families differ


def fail(path, why):
    failures.append("%s: %s" % (os.path.relpath(path, art), why))


def check_rle4(path, data, width, height):
    """Decodes the whole stream: every row exactly width pixels, then the end."""
    pos, x, y = 0, 0, 0
    while pos + 1 < len(data):
        count, value = data[pos], data[pos + 1]
        pos += 2
        if count:
            x += count
        elif value == 0:
            if x != width:
                return fail(path, "RLE4 row %d has %d pixels" % (y, x))
            x, y = 0, y + 1
        elif value == 1:
            if x != width or y != height - 1 or pos != len(data):
                return fail(path, "RLE4 ends early or late")
            return None
        elif value == 2:
            return fail(path, "RLE4 delta escape (not drawn by the generator)")
        else:
            pos += (value + 1) // 2
            pos += pos % 2
            x += value
        if x > width:
            return fail(path, "RLE4 row %d runs past the width" % y)
    fail(path, "RLE4 has no end-of-bitmap mark")


def check_bmp(path, width, height, rle):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 118 or data[:2] != b"BM":
        return fail(path, "not a BMP file")
    size, offset = struct.unpack_from("<I4xI", data, 2)
    hsize, w, h, planes, bits, compression, image_size, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if (size, offset, hsize, planes, bits) != (len(data), 118, 40, 1, 4) or used not in (0, 16):
        return fail(path, "header is not a 16-colour BITMAPINFOHEADER bitmap")
    if (w, h) != (width, height):
        return fail(path, "is %d x %d, should be %d x %d" % (w, h, width, height))
    if image_size != len(data) - offset:
        return fail(path, "biSizeImage does not match the pixel data")
    if compression != (2 if rle else 0):
        return fail(path, "compression %d, should be %s" % (compression, "RLE4" if rle else "none"))
    if rle:
        check_rle4(path, data[offset:], width, height)
    elif image_size != (width * 4 + 31) // 32 * 4 * height:
        fail(path, "pixel data has the wrong size")
    return data


def check_ico(path, sizes):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind, count) != (0, 1, len(sizes)):
        return fail(path, "directory should list %d icon images" % len(sizes))
    for i, side in enumerate(sizes):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if (w, h, colours, planes, bits) != (side, side, 16, 1, 4) or offset + length > len(data):
            fail(path, "entry %d is not a %d x %d 16-colour image inside the file" % (i, side, side))
            continue
        hsize, iw, ih, iplanes, ibits, compression, image_size = struct.unpack_from("<IiiHHII", data, offset)
        row_xor, row_and = (side * 4 + 31) // 32 * 4, (side + 31) // 32 * 4
        if (hsize, iw, ih, iplanes, ibits, compression) != (40, side, 2 * side, 1, 4, 0) or \
                image_size != (row_xor + row_and) * side or length != 40 + 64 + image_size:
            fail(path, "image %d header does not describe a %d x %d 16-colour icon with its mask" % (i, side, side))


for program, names in BARS.items():
    for name in names.split():
        width = {"Gap": 16, "Space": 2000}.get(name, 32)
        for state in ("Up", "Dn", "In"):
            families = {}
            for family in ("", "9", "8", "X"):
                path = os.path.join(art, "buttons", name + family + state + ".bmp")
                if not os.path.exists(path):
                    fail(path, "missing (a button of %s)" % program)
                    continue
                families[family] = check_bmp(path, width, 20, rle=False)
            faces = set()
            plain = families.get("")
            for family, data in families.items():
                if not data or not plain:
                    continue
                face = 54 + 4 * FACE_ENTRY
                faces.add(data[face:face + 4])
                if data[:face] + data[face + 4:] != plain[:face] + plain[face + 4:]:
                    fail(os.path.join(art, "buttons", name + family + state + ".bmp"),
                         "differs from the plain family in more than the face colour")
            if len(families) == 4 and len(faces) != 4:
                fail(os.path.join(art, "buttons", name + state), "the four families need four face shades")
    width, height = PICTURES[program]
    picture = os.path.join(art, program, "IBMP_1.bmp")
    if os.path.exists(picture):
        check_bmp(picture, width, height, rle=True)
    else:
        fail(picture, "missing")
    for icon, sizes in (("ICON_1.ico", (32, 16)), ("About.ico", (32,))):
        path = os.path.join(art, program, icon)
        if os.path.exists(path):
            check_ico(path, sizes)
        else:
            fail(path, "missing")

for line in failures:
    print("artwork:", line)
sys.exit(1 if failures else 0)
EOF
echo "artwork: every file present, well-formed and reproduced by its generator"
