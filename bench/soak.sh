#!/usr/bin/env bash
# A random session of a program (or of all four, one after the other) under
# Wine in Xvfb, for as long as wanted: one program process driven through
# random user actions over Wine's own modules and damaged files, with the
# invariants checked after every step. A failure prints the seed and the
# steps to replay it.
#
#   bash bench/soak.sh PROGRAM|all [--minutes N] [--seed S] [--steps K] [--build DIR]
#
# PROGRAM is VESKARIN, PELTRANE, MORDELIX or ZANDOVIR; --steps K stops after
# K steps (a replay); the Windows build is build/win unless --build says.
# The sessions work in BUILD/soak-work (SOAK_WORK_ROOT) and its steps.txt
# files; WINEPREFIX chooses another Wine prefix for a run beside another.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
programs=${1:?usage: bench/soak.sh PROGRAM\|all [--minutes N] [--seed S] [--steps K] [--build DIR]}
shift
minutes=1 seed=1 steps=0 build=$ROOT/build/win
while [ $# -gt 0 ]; do
  case $1 in
    --minutes) minutes=$2 ;;
    --seed) seed=$2 ;;
    --steps) steps=$2 ;;
    --build) build=$2 ;;
    *) echo "bench/soak.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
[ "$programs" = all ] && programs="VESKARIN PELTRANE MORDELIX ZANDOVIR"
seconds=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
[ "$steps" -gt 0 ] && seconds=$((24 * 3600))  # a replay runs to its step

cd "$ROOT"
if [ ! -f "$build/build.ninja" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target VESKARIN PELTRANE MORDELIX ZANDOVIR imgscan soak sample_bitmaps >/dev/null
build=$(cd "$build" && pwd)

work=${SOAK_WORK_ROOT:-$build/soak-work}
mkdir -p "$work"
for p in $programs; do  # each session starts afresh; the others' records stay
  [ -d "$work/$p" ] && chmod -R u+w "$work/$p" && rm -rf "${work:?}/$p"
done
for p in VESKARIN PELTRANE MORDELIX ZANDOVIR; do cp "$build/${p,,}/$p.exe" "$work/$p.EXE"; done
cp "$build/cli/imgscan.exe" "$build/tests/e2e/sample_bitmaps.dll" "$work/"

source "$ROOT/scripts/wine-env.sh"
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
winpath() { echo "Z:${1//\//\\}"; }
export WINEDEBUG=-all
export SOAK_IMGSCAN=$(winpath "$work/imgscan.exe")
export SOAK_WINE_MODULES=$(winpath /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
for p in VESKARIN PELTRANE MORDELIX ZANDOVIR; do export "${p}_EXE=$(winpath "$work/$p.EXE")"; done
status=0
for p in $programs; do
  # The bitmap programs also open the sample library and this build's own
  # programs (Wine's modules hold few bitmaps); PELTRANE the sample pictures.
  modules="" pictures=""
  case $p in
    PELTRANE | ZANDOVIR) modules="$(winpath "$work/sample_bitmaps.dll");$(winpath "$work/MORDELIX.EXE")" ;;
  esac
  if [ "$p" = PELTRANE ]; then
    for f in "$ROOT"/tests/e2e/bitmaps/*.bmp; do pictures="$pictures$(winpath "$f");"; done
  fi
  SOAK_WORK=$(winpath "$work/$p") SOAK_MODULES=$modules SOAK_PICTURES=$pictures \
    wine64 "$build/tests/soak/soak.exe" "$p" "$seed" "$seconds" "$steps" </dev/null \
    2> >(grep -v 'FS volume label and serial are not available' >&2) || status=1
done
exit $status
