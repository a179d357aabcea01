#!/usr/bin/env bash
# imgscan.exe under Wine must list exactly what the Linux build lists for the
# same file (the icons built into imgscan.exe itself), and write the same
# bytes with every writer.
set -euo pipefail
exe=$1
native=${NATIVE_IMGSCAN:-build/native/cli/imgscan}
native=$(cd "$(dirname "$native")" && pwd)/$(basename "$native")
for kind in "icons" "icons --gallery" "icons --all-kinds" "bitmaps"; do
  expected=$("$native" $kind --json "$exe" || true)
  actual=$(wine64 "$exe" $kind --json "$exe" </dev/null | tr -d '\r' || true)
  if [ "$expected" != "$actual" ]; then
    echo "imgscan.exe $kind differs from the Linux build:"; echo " linux: $expected"; echo " wine:  $actual"
    exit 1
  fi
done
count=$("$native" icons --json "$exe" | grep -o '"index"' | wc -l)
[ "$count" -ge 3 ] || { echo "imgscan.exe should carry at least 3 icon images, found $count"; exit 1; }
echo "imgscan.exe under Wine agrees with the Linux build ($count icons)"

# The writers, run by both builds in their own folder on copies of imgscan.exe.
work=$(dirname "$exe")/writers
rm -rf "$work"
mkdir -p "$work/linux" "$work/wine"
winexe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
run_writers() {  # run_writers DIR COMMAND...
  local dir=$1; shift
  (
    cd "$dir"
    cp "$winexe" target.exe
    "$@" extract-icon target.exe 0 first.ico >/dev/null
    "$@" extract-icon --gallery target.exe 1 second.ico >/dev/null
    "$@" render-icon target.exe 0 shown.bmp >/dev/null
    "$@" render-icon target.exe 1 masked.bmp --mask-color FF00FF >/dev/null
    "$@" render-icon target.exe 2 shown.png >/dev/null
    "$@" render-icon target.exe 0 --alpha alpha.png >/dev/null
    "$@" sheet icons --all-kinds target.exe sheet.png >/dev/null
    mkdir all
    "$@" extract icons target.exe all >/dev/null 2>&1
    "$@" replace-icon target.exe 0 first.ico >/dev/null 2>&1
    set +e
    "$@" replace-icon target.exe 0 second.ico >/dev/null 2>refused.txt
    echo "exit $?" >>refused.txt
    set -e
  ) </dev/null
}
run_writers "$work/linux" "$native"
run_writers "$work/wine" wine64 "$winexe"
tr -d '\r' <"$work/wine/refused.txt" >"$work/wine/refused.unix" && mv "$work/wine/refused.unix" "$work/wine/refused.txt"
if ! diff -r "$work/linux" "$work/wine" >/dev/null; then
  echo "imgscan.exe writers differ from the Linux build:"; diff -rq "$work/linux" "$work/wine" || true
  exit 1
fi
cmp -s "$work/linux/target.exe" "$winexe" || { echo "replacing an icon by itself changed the file"; exit 1; }
written=$(find "$work/linux" -type f | wc -l)
echo "imgscan.exe writers under Wine write the same $written files as the Linux build"
rm -rf "$work"

# A real Windows DLL with modern icons and bitmaps, where Wine's are at hand:
# the same listing and the same PNG bytes from both builds.
dll=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/user32.dll
if [ -f "$dll" ]; then
  mkdir -p "$work"
  for words in "icons --all-kinds --json $dll" "sheet icons --all-kinds $dll $work/S.png" \
               "sheet bitmaps $dll $work/B.png" "render-bitmap $dll 0 $work/R.png"; do
    "$native" $words >/dev/null 2>&1
    for f in "$work"/*.png; do [ -f "$f" ] && mv "$f" "$f.linux"; done
    expected=$("$native" $words 2>&1 | grep -v '\.png$' || true)
    actual=$(wine64 "$exe" $words </dev/null 2>&1 | tr -d '\r' | grep -v '\.png$' || true)
    if [ "$expected" != "$actual" ]; then echo "imgscan.exe $words differs from the Linux build"; exit 1; fi
    for f in "$work"/*.png.linux; do
      [ -f "$f" ] || continue
      cmp -s "$f" "${f%.linux}" || { echo "imgscan.exe wrote another ${f%.linux} than the Linux build"; exit 1; }
      rm -f "$f" "${f%.linux}"
    done
  done
  echo "imgscan.exe under Wine agrees with the Linux build on $(basename "$dll"): listing and PNG pictures"
  # Every image --all-kinds finds is exported as an .ico that parses: one
  # directory entry, its bytes where it says, a 40-byte header or a PNG whose
  # image data inflates.
  mkdir -p "$work/all"
  "$native" extract icons --all-kinds "$dll" "$work/all" >/dev/null 2>&1
  found=$("$native" icons --all-kinds "$dll" 2>/dev/null | wc -l)
  python3 - "$work/all" "$found" <<'PY' || exit 1
import os, struct, sys, zlib
folder, found = sys.argv[1], int(sys.argv[2])
names = sorted(os.listdir(folder))
assert len(names) == found, f"{len(names)} files for {found} images"
kinds = {"dib": 0, "png": 0}
for name in names:
    data = open(os.path.join(folder, name), "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data)
    size, offset = struct.unpack_from("<II", data, 14)
    assert (reserved, kind, count, offset) == (0, 1, 1, 22) and size == len(data) - 22, name
    image = data[22:]
    if image.startswith(b"\x89PNG\r\n\x1a\n"):
        at, idat = 8, b""
        while at < len(image):
            length, tag = struct.unpack_from(">I4s", image, at)
            if tag == b"IDAT": idat += image[at + 8:at + 8 + length]
            at += 12 + length
        zlib.decompress(idat)
        kinds["png"] += 1
    else:
        assert struct.unpack_from("<I", image)[0] == 40, name
        kinds["dib"] += 1
print(f"{len(names)} .ico files of --all-kinds parse ({kinds['dib']} headers, {kinds['png']} PNG)")
PY
  rm -rf "$work"
fi

# A signed file: imgscan.exe itself, signed with a certificate made here.
# Replacing an icon warns, breaks the signature (the backup keeps it) and,
# with --update-checksum, leaves the checksum the PE rules give.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null; then
  sig=$(dirname "$exe")/signature
  rm -rf "$sig"; mkdir -p "$sig"
  (
    cd "$sig"
    openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
      -subj "/CN=imgscan test signer" >/dev/null 2>&1
    osslsigncode sign -certs cert.pem -key key.pem -n "imgscan test" -in "$winexe" -out signed.exe >/dev/null
    # Older osslsigncode marks a wrong checksum MISMATCH, newer ones warn.
    stale() {
      local report
      report=$(osslsigncode verify -CAfile cert.pem -in "$1" 2>&1 || true)
      grep -qE 'invalid PE checksum|Calculated PE checksum: *[0-9A-Fa-f]+ +MISMATCH' <<<"$report"
    }
    verifies() { osslsigncode verify -CAfile cert.pem -in "$1" >/dev/null 2>&1; }
    verifies signed.exe || { echo "signing imgscan.exe failed"; exit 1; }
    "$native" extract-icon signed.exe 0 first.ico >/dev/null
    python3 -c "import sys; d=bytearray(open('first.ico','rb').read()); d[200]^=0xFF; open('changed.ico','wb').write(d)"
    for option in "" "--update-checksum"; do
      cp signed.exe app.exe
      "$native" replace-icon $option app.exe 0 changed.ico >/dev/null 2>stderr.txt
      grep -q 'carries an Authenticode signature: this change invalidates it' stderr.txt \
        || { echo "no signature warning:"; cat stderr.txt; exit 1; }
      ! verifies app.exe || { echo "the changed file still verifies"; exit 1; }
      verifies app.000 || { echo "the backup lost its signature"; exit 1; }
      if [ -n "$option" ]; then
        ! stale app.exe || { echo "--update-checksum left a wrong checksum"; exit 1; }
        cp app.exe linux.exe
      else
        stale app.exe || { echo "the checksum should be stale without the option"; exit 1; }
      fi
      rm -f app.exe app.000
    done
    cp signed.exe app.exe
    wine64 "$winexe" replace-icon --update-checksum app.exe 0 changed.ico </dev/null >/dev/null 2>&1
    cmp -s app.exe linux.exe || { echo "imgscan.exe changed the signed file otherwise than the Linux build"; exit 1; }
  )
  echo "signed imgscan.exe: warned, signature broken (backup verifies), checksum updated as osslsigncode computes it"
  rm -rf "$sig"
fi
