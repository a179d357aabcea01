#!/usr/bin/env bash
# The search of a large file by the Linux build and by the Windows build under
# Wine, side by side: Linux imgscan, imgscan.exe (less Wine's start) and the
# inspectors from OK in the Open dialog to the first title, with the ratios
# to Linux imgscan. The file is random bytes with two bitmaps and two icons
# planted (bench/make_search_file). Each figure is the median of RUNS runs
# (default 5), taken in turn run by run, each ratio the median of the
# run-by-run ratios; the file is read once right before each run, so that no
# run measures the disk.
# Usage: bench/search_bench.sh [MIB] [RUNS]    (default 1024 MiB)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
mib=${1:-1024}
runs=${2:-5}
native=build/native win=build/win
cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" --target imgscan make_search_file >/dev/null
cmake -S . -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DIMG_BENCH=OFF >/dev/null
cmake --build "$win" --target imgscan PELTRANE VESKARIN peltrane_e2e veskarin_e2e >/dev/null

work="$ROOT/build/bench-search"
rm -rf "$work"; mkdir -p "$work"
file="$work/search.dll"
"$native/bench/make_search_file" "$file" "$mib"
cp "$win/cli/imgscan.exe" "$work/sample.exe"
cp "$win/peltrane/PELTRANE.exe" "$work/PELTRANE.EXE"
cp "$win/veskarin/VESKARIN.exe" "$work/VESKARIN.EXE"
cp -r tests/e2e/bitmaps "$work/bitmaps"

# Wall seconds of one run of a command, the file read once just before.
seconds() {
  cat "$file" >/dev/null
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN {printf "%.4f", ns / 1e9}'
}
# Seconds of one open of the file by an inspector, as its driver times it
# (the driver reads the file before it presses OK).
open_seconds() {
  wine64 "$win/tests/e2e/$1_e2e.exe" --gtest_filter=Bench.OpenALargeFile </dev/null >"$work/$1.log" 2>&1 ||
    { cat "$work/$1.log" >&2; return 1; }
  awk '/open median:/ {printf "%.4f", $(NF - 1) / 1000}' "$work/$1.log"
}
median() { printf '%s\n' "$@" | sort -g | awk '{t[NR] = $1} END {printf "%.3f", t[int((NR + 1) / 2)]}'; }
# The median of the run-by-run ratios of two lists of figures (the first
# less `less` seconds).
median_ratio() {
  local -n a=$1 b=$2
  local ratios=() k
  for k in "${!a[@]}"; do ratios+=("$(awk -v x="${a[k]}" -v y="${b[k]}" -v l="$3" 'BEGIN {printf "%.4f", (x - l) / y}')"); done
  median "${ratios[@]}"
}

source scripts/wine-env.sh
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
winpath() { echo "Z:${1//\//\\}"; }
export E2E_WORK=$(winpath "$work") BENCH_FILE=$(winpath "$file") BENCH_RUNS=1
export PELTRANE_EXE=$(winpath "$work/PELTRANE.EXE") VESKARIN_EXE=$(winpath "$work/VESKARIN.EXE")

echo "cores: $(nproc); load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "file: $mib MiB of random bytes, 2 bitmaps and 2 icons planted; medians of $runs runs, file read before each"
# Run by run, every figure in turn, so that each ratio compares figures
# taken at the same moment of a machine whose load may change.
wine_alone=() linux_bitmaps=() exe_bitmaps=() peltrane=() linux_icons=() exe_icons=() veskarin=()
for _ in $(seq "$runs"); do
  wine_alone+=("$(seconds wine64 "$win/cli/imgscan.exe" --version)")
  linux_bitmaps+=("$(seconds "$native/cli/imgscan" bitmaps "$file")")
  exe_bitmaps+=("$(seconds wine64 "$win/cli/imgscan.exe" bitmaps "$file")")
  peltrane+=("$(open_seconds peltrane)")
  linux_icons+=("$(seconds "$native/cli/imgscan" icons "$file")")
  exe_icons+=("$(seconds wine64 "$win/cli/imgscan.exe" icons "$file")")
  veskarin+=("$(open_seconds veskarin)")
done
start=$(median "${wine_alone[@]}")
less_start() { awk -v x="$1" -v l="$start" 'BEGIN {printf "%.3f", x - l}'; }
row() { printf '%-52s %7s s%s\n' "$1" "$2" "${3:+  $3 x Linux}"; }
row "Wine's start (imgscan.exe --version)" "$start"
row "Linux imgscan bitmaps" "$(median "${linux_bitmaps[@]}")"
row "imgscan.exe bitmaps under Wine, less Wine's start" "$(less_start "$(median "${exe_bitmaps[@]}")")" \
  "$(median_ratio exe_bitmaps linux_bitmaps "$start")"
row "PELTRANE, OK in Open to the first title" "$(median "${peltrane[@]}")" "$(median_ratio peltrane linux_bitmaps 0)"
row "Linux imgscan icons" "$(median "${linux_icons[@]}")"
row "imgscan.exe icons under Wine, less Wine's start" "$(less_start "$(median "${exe_icons[@]}")")" \
  "$(median_ratio exe_icons linux_icons "$start")"
row "VESKARIN, OK in Open to the first title" "$(median "${veskarin[@]}")" "$(median_ratio veskarin linux_icons 0)"
echo "(ratios: the median of the run-by-run ratios)"
