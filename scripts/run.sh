#!/usr/bin/env bash
# Builds the Windows programs and starts one under Wine: VESKARIN, the icon
# inspector (the default), or PELTRANE, the bitmap inspector:
#   bash scripts/run.sh [VESKARIN|PELTRANE]
# With a display ($DISPLAY) it opens there and runs until you close it.
# Without one (or with RUN_HEADLESS=1) it runs in Xvfb, opens a real file
# (VESKARIN: imgscan.exe of the Windows build, which carries three icons;
# PELTRANE: a copy of VESKARIN.EXE, which carries its bar's bitmaps and its
# RLE start-up picture) and saves a screenshot of the main window, whose path
# it prints.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
program=${1:-VESKARIN}
case "$program" in
  VESKARIN) name=veskarin; sample=imgscan.exe; what="three icons" ;;
  PELTRANE) name=peltrane; sample=veskarin-copy.exe; what="its bar's bitmaps and an RLE picture" ;;
  *) echo "usage: bash scripts/run.sh [VESKARIN|PELTRANE]" >&2; exit 2 ;;
esac
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
cmake --build build/win -j "$(nproc)"
run="$ROOT/build/run"
rm -rf "$run"; mkdir -p "$run/shots"
cp "build/win/$name/$program.exe" "$run/$program.EXE"
cp build/win/cli/imgscan.exe "$run/imgscan.exe"
cp build/win/veskarin/VESKARIN.exe "$run/veskarin-copy.exe"
source scripts/wine-env.sh
source scripts/wine-fonts.sh

if [ -n "${DISPLAY:-}" ] && [ -z "${RUN_HEADLESS:-}" ]; then
  user_display=$DISPLAY
  WINE_DISPLAY=${DISPLAY#:} wine_start
  export DISPLAY=$user_display
  trap wine_stop EXIT
  wine_japanese_fonts
  echo "$program runs on $DISPLAY. Open $run/$sample (drive Z:) to see $what."
  wine64 "$run/$program.EXE"
  exit 0
fi

unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_japanese_fonts
upper=$(echo "$name" | tr a-z A-Z)
env E2E_WORK="Z:${run//\//\\}" "${upper}_EXE=Z:${run//\//\\}\\$program.EXE" \
  wine64 "build/win/tests/e2e/${name}_e2e.exe" --gtest_filter='Demo.*' </dev/null >"$run/demo.log" 2>&1 ||
  { cat "$run/demo.log"; exit 1; }
convert "$run/shots/$name.bmp" "$run/$name.png"
echo "$program ran in Xvfb and opened $sample; screenshot of its window: $run/$name.png"
