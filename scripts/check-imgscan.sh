#!/usr/bin/env bash
# imgscan.exe under Wine must list exactly what the Linux build lists for the
# same file (the icons built into imgscan.exe itself), and write the same
# bytes with every writer.
set -euo pipefail
exe=$1
native=${NATIVE_IMGSCAN:-build/native/cli/imgscan}
native=$(cd "$(dirname "$native")" && pwd)/$(basename "$native")
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
