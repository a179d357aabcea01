#!/usr/bin/env bash
# Builds the Windows programs and starts one of them under Wine:
#   bash scripts/run.sh [VESKARIN|PELTRANE|MORDELIX|ZANDOVIR]     (default VESKARIN)
# With a display ($DISPLAY) it opens there and runs until you close it.
# Without one (or with RUN_HEADLESS=1) it runs in Xvfb, opens a real file and
# saves a screenshot of its main window, whose path it prints: VESKARIN
# imgscan.exe of the Windows build (three icons) with its first icon
# magnified, PELTRANE VESKARIN.EXE with its RLE start-up picture magnified,
# MORDELIX the first page of Wine's user32.dll, ZANDOVIR the first
# page of thumbnails of VESKARIN.EXE (its buttons and pictures).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
program=${1:-VESKARIN}
case "$program" in
  VESKARIN|PELTRANE|MORDELIX|ZANDOVIR) ;;
  *) echo "usage: scripts/run.sh [VESKARIN|PELTRANE|MORDELIX|ZANDOVIR]" >&2; exit 2 ;;
esac
lower=$(echo "$program" | tr 'A-Z' 'a-z')
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
cmake --build build/win -j "$(nproc)"
run="$ROOT/build/run"
rm -rf "$run"; mkdir -p "$run/shots"
for p in VESKARIN PELTRANE MORDELIX ZANDOVIR; do
  l=$(echo "$p" | tr 'A-Z' 'a-z')
  cp "build/win/$l/$p.exe" "$run/$p.EXE"
done
cp build/win/cli/imgscan.exe "$run/imgscan.exe"
source scripts/wine-env.sh
source scripts/wine-fonts.sh

if [ -n "${DISPLAY:-}" ] && [ -z "${RUN_HEADLESS:-}" ]; then
  user_display=$DISPLAY
  WINE_DISPLAY=${DISPLAY#:} wine_start
  export DISPLAY=$user_display
  trap wine_stop EXIT
  wine_japanese_fonts
  echo "$program runs on $DISPLAY. Open $run/imgscan.exe or $run/VESKARIN.EXE (drive Z:) to see its images."
  wine64 "$run/$program.EXE"
  exit 0
fi

unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_japanese_fonts
winrun="Z:${run//\//\\}"
export E2E_WORK="$winrun" VESKARIN_EXE="$winrun\\VESKARIN.EXE" MORDELIX_EXE="$winrun\\MORDELIX.EXE" \
  ZANDOVIR_EXE="$winrun\\ZANDOVIR.EXE" PELTRANE_EXE="$winrun\\PELTRANE.EXE"
case "$program" in
  VESKARIN) driver=veskarin_e2e; demo='Demo.*' ;;
  PELTRANE) driver=peltrane_e2e; demo='Demo.*'; export DEMO_FILE="$winrun\\VESKARIN.EXE" ;;
  MORDELIX) driver=gallery_e2e; demo='Demo.Mordelix*'; export DEMO_FILE='C:\windows\system32\user32.dll' ;;
  ZANDOVIR) driver=gallery_e2e; demo='Demo.Zandovir*'; export DEMO_FILE="$winrun\\VESKARIN.EXE" ;;
esac
wine64 "build/win/tests/e2e/$driver.exe" --gtest_filter="$demo" </dev/null >"$run/demo.log" 2>&1 ||
  { cat "$run/demo.log"; exit 1; }
convert "$run/shots/$lower.bmp" "$run/$lower.png"
echo "$program ran in Xvfb and opened a file; screenshot of its window: $run/$lower.png"
