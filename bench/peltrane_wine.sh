#!/usr/bin/env bash
# Figures of the bitmap inspector under Wine in Xvfb, printed by the real
# program's end-to-end driver: the time from a chip click in the palette
# editor until the main view shows the new colour, and from OK in the Open
# dialog until the first bitmap of a large file is shown (its title set).
# Usage: bench/peltrane_wine.sh [BUILD_DIR] [FILE]   (the Windows build; FILE
# defaults to the largest PE file of Wine's own that holds bitmaps)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$ROOT/build/win}" && pwd)
large=${2:-}
if [ -z "$large" ]; then
  cmake -S "$ROOT" -B "$ROOT/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$ROOT/build/native" --target imgscan >/dev/null
  for file in $(ls -S /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/*.dll /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/*.exe); do
    if "$ROOT/build/native/cli/imgscan" bitmaps "$file" >/dev/null 2>&1; then large=$file; break; fi
  done
fi
work="$build/bench-work"
rm -rf "$work"; mkdir -p "$work/shots"
cp "$build/peltrane/PELTRANE.exe" "$work/PELTRANE.EXE"
cp "$build/tests/e2e/sample_bitmaps.dll" "$work/"
cp -r "$ROOT/tests/e2e/bitmaps" "$work/bitmaps"
cp "$large" "$work/large.dll"
source "$ROOT/scripts/wine-env.sh"
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
winpath() { echo "Z:${1//\//\\}"; }
echo "large file: $large"
PELTRANE_EXE=$(winpath "$work/PELTRANE.EXE") E2E_WORK=$(winpath "$work") BENCH_FILE=$(winpath "$work/large.dll") \
  wine64 "$build/tests/e2e/peltrane_e2e.exe" --gtest_filter='Bench.*' </dev/null | grep -v '^\['
