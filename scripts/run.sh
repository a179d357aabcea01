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
# The program, the file its demonstration opens (built here too) and the
# end-to-end driver that shows it without a display.
case "$program" in
  VESKARIN) targets=(VESKARIN imgscan) driver=veskarin_e2e ;;
  PELTRANE) targets=(PELTRANE VESKARIN) driver=peltrane_e2e ;;
  MORDELIX) targets=(MORDELIX) driver=gallery_e2e ;;
  ZANDOVIR) targets=(ZANDOVIR VESKARIN) driver=gallery_e2e ;;
  *) echo "usage: scripts/run.sh [VESKARIN|PELTRANE|MORDELIX|ZANDOVIR]" >&2; exit 2 ;;
esac
lower=$(echo "$program" | tr 'A-Z' 'a-z')
headless=""
if [ -z "${DISPLAY:-}" ] || [ -n "${RUN_HEADLESS:-}" ]; then headless=1; fi

# Only what running the program needs (scripts/test.sh installs the rest).
# To build: the cross compiler, CMake and Ninja, and without a display
# GoogleTest for the driver. To run: Wine, and without a display the X server
# in memory and ImageMagick for the screenshot; in a Japanese locale the font
# of the Japanese texts.
tools=(cmake ninja-build g++-mingw-w64-x86-64-posix libstb-dev)
runtime=(wine64 fonts-wine)
if [ -n "$headless" ]; then tools+=(googletest); runtime+=(xvfb imagemagick); fi
japanese=""
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in ja*) japanese=1; runtime+=(fonts-ipafont-gothic) ;; esac
bash scripts/setup.sh "${tools[@]}"
# Wine is installed and its prefix made while the programs build.
source scripts/wine-env.sh
source scripts/wine-fonts.sh
mkdir -p build
(bash scripts/setup.sh "${runtime[@]}" && wine_prefix) >build/run-wine.log 2>&1 &
wine_job=$!

# A build of its own, with no test but the driver, so that the test
# command's build keeps its settings.
build=build/run-win
e2e=OFF
if [ -n "$headless" ]; then e2e=ON; targets+=("$driver"); fi
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_TESTS=OFF \
         -DIMG_BENCH=OFF -DIMG_E2E_DRIVERS=$e2e >/dev/null &&
       cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"; }; then
  wait "$wine_job" || true  # never leave a package half installed
  exit 1
fi
wait "$wine_job" || { cat build/run-wine.log; echo "scripts/run.sh: Wine could not be set up" >&2; exit 1; }
run="$ROOT/build/run"
rm -rf "$run"; mkdir -p "$run/shots"
for target in "${targets[@]}"; do
  case "$target" in
    imgscan) cp "$build/cli/imgscan.exe" "$run/imgscan.exe" ;;
    *_e2e) ;;
    *) cp "$build/$(echo "$target" | tr 'A-Z' 'a-z')/$target.exe" "$run/$target.EXE" ;;
  esac
done

if [ -z "$headless" ]; then
  user_display=$DISPLAY
  WINE_DISPLAY=${DISPLAY#:} wine_start
  export DISPLAY=$user_display
  trap wine_stop EXIT
  if [ -n "$japanese" ]; then wine_japanese_fonts; fi
  case "$program" in
    VESKARIN) example="$run/imgscan.exe" ;;
    MORDELIX) example='C:\windows\system32\user32.dll' ;;
    *) example="$run/VESKARIN.EXE" ;;
  esac
  echo "$program runs on $DISPLAY. Open $example (drive Z: is the Linux root) to see its images."
  wine64 "$run/$program.EXE"
  exit 0
fi

unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
if [ -n "$japanese" ]; then wine_japanese_fonts; fi
winrun="Z:${run//\//\\}"
export E2E_WORK="$winrun" VESKARIN_EXE="$winrun\\VESKARIN.EXE" MORDELIX_EXE="$winrun\\MORDELIX.EXE" \
  ZANDOVIR_EXE="$winrun\\ZANDOVIR.EXE" PELTRANE_EXE="$winrun\\PELTRANE.EXE"
case "$program" in
  VESKARIN) demo='Demo.*' ;;
  PELTRANE) demo='Demo.*'; export DEMO_FILE="$winrun\\VESKARIN.EXE" ;;
  MORDELIX) demo='Demo.Mordelix*'; export DEMO_FILE='C:\windows\system32\user32.dll' ;;
  ZANDOVIR) demo='Demo.Zandovir*'; export DEMO_FILE="$winrun\\VESKARIN.EXE" ;;
esac
wine64 "$build/tests/e2e/$driver.exe" --gtest_filter="$demo" </dev/null >"$run/demo.log" 2>&1 ||
  { cat "$run/demo.log"; exit 1; }
convert "$run/shots/$lower.bmp" "$run/$lower.png"
echo "$program ran in Xvfb and opened a file; screenshot of its window: $run/$lower.png"
