#!/usr/bin/env bash
# Builds the Windows programs and starts VESKARIN, the icon inspector, under
# Wine. With a display ($DISPLAY) it opens there and runs until you close it.
# Without one (or with RUN_HEADLESS=1) it runs in Xvfb, opens a real file
# (imgscan.exe of the Windows build, which carries three icons) and saves a
# screenshot of its main window, whose path it prints.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
cmake --build build/win -j "$(nproc)"
run="$ROOT/build/run"
rm -rf "$run"; mkdir -p "$run/shots"
cp build/win/veskarin/VESKARIN.exe "$run/VESKARIN.EXE"
cp build/win/cli/imgscan.exe "$run/imgscan.exe"
source scripts/wine-env.sh
source scripts/wine-fonts.sh

if [ -n "${DISPLAY:-}" ] && [ -z "${RUN_HEADLESS:-}" ]; then
  user_display=$DISPLAY
  WINE_DISPLAY=${DISPLAY#:} wine_start
  export DISPLAY=$user_display
  trap wine_stop EXIT
  wine_japanese_fonts
  echo "VESKARIN runs on $DISPLAY. Open $run/imgscan.exe (drive Z:) to see three icons."
  wine64 "$run/VESKARIN.EXE"
  exit 0
fi

unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_japanese_fonts
E2E_WORK="Z:${run//\//\\}" VESKARIN_EXE="Z:${run//\//\\}\\VESKARIN.EXE" \
  wine64 build/win/tests/e2e/veskarin_e2e.exe --gtest_filter='Demo.*' </dev/null >"$run/demo.log" 2>&1 ||
  { cat "$run/demo.log"; exit 1; }
convert "$run/shots/veskarin.bmp" "$run/veskarin.png"
echo "VESKARIN ran in Xvfb and opened imgscan.exe; screenshot of its window: $run/veskarin.png"
