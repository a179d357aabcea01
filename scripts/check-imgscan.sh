#!/usr/bin/env bash
# imgscan.exe under Wine must list exactly what the Linux build lists for the
# same file: the icons built into imgscan.exe itself.
set -euo pipefail
exe=$1
native=${NATIVE_IMGSCAN:-build/native/cli/imgscan}
for kind in "icons" "icons --gallery" "bitmaps"; do
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
