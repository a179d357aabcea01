"""Writes the bitmaps of the bitmap inspector's end-to-end sessions: the .bmp
files that bitmaps.rc puts into sample_bitmaps.dll, and for each RLE bitmap
the same picture uncompressed (NAME_plain.bmp), the pixels the screen must
show. Run it from anywhere; the files are committed.

    python3 tests/e2e/bitmaps/make_bitmaps.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
RAMP = [((i * 37) % 256, (i * 91) % 256, 255 - i) for i in range(256)]


def bmp_file(width, height, bits, palette, data, compression=0, clr_used=None):
    used = len(palette) if clr_used is None else clr_used
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(data), 2835, 2835, used, 0)
    off = 14 + 40 + len(table)
    return b"BM" + struct.pack("<IHHI", off + len(data), 0, 0, off) + info + table + data


def plain_rows(pixels, bits):
    """Bottom-up rows of palette indexes (or RGB triples for 24 bits), padded to 4 bytes."""
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        if bits == 24:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(row)
        elif bits == 4:
            for x in range(0, len(row), 2):
                line.append(row[x] << 4 | (row[x + 1] if x + 1 < len(row) else 0))
        else:
            for x in range(0, len(row), 8):
                byte = 0
                for k in range(8):
                    if x + k < len(row) and row[x + k]:
                        byte |= 0x80 >> k
                line.append(byte)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def runs(row):
    """(start, length) of the runs of equal values in a row."""
    start = 0
    for x in range(1, len(row) + 1):
        if x == len(row) or row[x] != row[start]:
            yield start, x - start
            start = x


def rle8(pixels):
    """The published RLE8 code: runs as (count, index); stretches of single
    pixels in absolute mode (0, n, n indexes, padded to a word); end of line
    (0, 0) and end of bitmap (0, 1)."""
    out = bytearray()
    for row in reversed(pixels):
        pending = []

        def flush():
            while pending:
                chunk, rest = pending[:255], pending[255:]
                pending[:] = rest
                if len(chunk) < 3:
                    for v in chunk:
                        out.extend((1, v))
                else:
                    out.extend((0, len(chunk)))
                    out.extend(chunk)
                    if len(chunk) % 2:
                        out.append(0)

        for start, length in runs(row):
            if length == 1:
                pending.append(row[start])
                continue
            flush()
            while length:
                n = min(length, 255)
                out.extend((n, row[start]))
                length -= n
        flush()
        out.extend((0, 0))
    out[-2:] = bytes((0, 1))
    return bytes(out)


def rle4(pixels):
    """The published RLE4 code: (count, two indexes alternating) for runs of
    one colour; absolute mode (0, n, n nibbles, padded to a word) for
    stretches of single pixels; end of line and end of bitmap as RLE8."""
    out = bytearray()
    for row in reversed(pixels):
        pending = []

        def flush():
            while pending:
                chunk, rest = pending[:254], pending[254:]
                pending[:] = rest
                if len(chunk) < 3:
                    for v in chunk:
                        out.extend((1, v << 4))
                else:
                    out.extend((0, len(chunk)))
                    packed = bytearray()
                    for k in range(0, len(chunk), 2):
                        packed.append(chunk[k] << 4 | (chunk[k + 1] if k + 1 < len(chunk) else 0))
                    if len(packed) % 2:
                        packed.append(0)
                    out.extend(packed)

        for start, length in runs(row):
            if length == 1:
                pending.append(row[start])
                continue
            flush()
            while length:
                n = min(length, 255)
                out.extend((n, row[start] << 4 | row[start]))
                length -= n
        flush()
        out.extend((0, 0))
    out[-2:] = bytes((0, 1))
    return bytes(out)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    # 4 bits, 40 x 30: colour bands and a white diagonal.
    b4 = [[15 if x == y else (x // 3) % 16 for x in range(40)] for y in range(30)]
    write("b4.bmp", bmp_file(40, 30, 4, VGA, plain_rows(b4, 4)))
    # 8 bits, 33 x 21 (rows padded): a ramp through 256 colours.
    b8 = [[(x * 7 + y * 3) % 256 for x in range(33)] for y in range(21)]
    write("b8.bmp", bmp_file(33, 21, 8, RAMP, plain_rows(b8, 8)))
    # RLE8, 48 x 32: bands (runs) crossed by a speckled stripe (absolute mode).
    r8 = [[(y // 4) * 20 + 5 if not 16 <= x < 24 else (x * 13 + y * 29) % 256 for x in range(48)] for y in range(32)]
    write("rle8.bmp", bmp_file(48, 32, 8, RAMP, rle8(r8), compression=1))
    write("rle8_plain.bmp", bmp_file(48, 32, 8, RAMP, plain_rows(r8, 8)))
    # RLE4, 36 x 24: blocks of colour, a speckled column and a lone pixel per row.
    r4 = [[((x // 6 + y // 6) % 15) + 1 if not 12 <= x < 17 else (x + y) % 16 for x in range(36)] for y in range(24)]
    for y in range(24):
        r4[y][30] = 0
    write("rle4.bmp", bmp_file(36, 24, 4, VGA, rle4(r4), compression=2))
    write("rle4_plain.bmp", bmp_file(36, 24, 4, VGA, plain_rows(r4, 4)))
    # 1 bit, 24 x 48 (not a multiple of 16: no icon mask): a checkerboard.
    b1 = [[(x // 4 + y // 4) % 2 for x in range(24)] for y in range(48)]
    write("b1.bmp", bmp_file(24, 48, 1, [(255, 0, 0), (0, 0, 255)], plain_rows(b1, 1)))
    # 24 bits, 21 x 13.
    b24 = [[(x * 12, y * 19, 200) for x in range(21)] for y in range(13)]
    write("b24.bmp", bmp_file(21, 13, 24, [], plain_rows(b24, 24)))
    # 8 bits with 300 palette entries: shown and saved, never edited.
    p300 = [[(x * 31 + y) % 256 for x in range(8)] for y in range(8)]
    write("p300.bmp", bmp_file(8, 8, 8, RAMP + RAMP[:44], plain_rows(p300, 8)))


if __name__ == "__main__":
    main()
