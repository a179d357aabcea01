#!/usr/bin/env bash
# Builds everything and runs the main job: imgscan lists the icon images it
# finds in a real Windows program, the Windows build of imgscan itself, first
# with the Linux build, then with imgscan.exe under Wine.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
bash scripts/setup.sh
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j "$(nproc)"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
cmake --build build/win -j "$(nproc)" --target imgscan
target=build/win/cli/imgscan.exe
echo "== imgscan icons $target (Linux build)"
build/native/cli/imgscan icons "$target"
echo "== imgscan.exe icons $target (Windows build under Wine)"
source scripts/wine-env.sh
wine_start
trap wine_stop EXIT
wine64 "$target" icons "$target" </dev/null | tr -d '\r'
