#!/usr/bin/env bash
# The search of a large file by the Linux build and by the Windows build under
# Wine, side by side: Linux imgscan, imgscan.exe (less Wine's start) and the
# inspectors from OK in the Open dialog to the first title, with the ratios
# to Linux imgscan. The file is random bytes with two bitmaps and two icons
# planted (bench/make_search_file). Each figure is the median of RUNS runs
# (default 5), and the file is read once right before each run, so that no
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

warm() { cat "$file" >/dev/null; }
# Median wall seconds of `runs` runs of a command, each after `warm`.
median_of() {
  local times=() start end
  for _ in $(seq "$runs"); do
    warm
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=("$(( (end - start) / 1000 ))")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{t[NR] = $1} END {printf "%.3f", t[int((NR + 1) / 2)] / 1e6}'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

echo "cores: $(nproc); load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "file: $mib MiB of random bytes, 2 bitmaps and 2 icons planted; median of $runs runs, file read before each"
linux_bitmaps=$(median_of "$native/cli/imgscan" bitmaps "$file")
linux_icons=$(median_of "$native/cli/imgscan" icons "$file")

source scripts/wine-env.sh
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_alone=$(median_of wine64 "$win/cli/imgscan.exe" --version)
wine_bitmaps=$(median_of wine64 "$win/cli/imgscan.exe" bitmaps "$file")
wine_icons=$(median_of wine64 "$win/cli/imgscan.exe" icons "$file")
winpath() { echo "Z:${1//\//\\}"; }
export E2E_WORK=$(winpath "$work") BENCH_FILE=$(winpath "$file") BENCH_RUNS=$runs
export PELTRANE_EXE=$(winpath "$work/PELTRANE.EXE") VESKARIN_EXE=$(winpath "$work/VESKARIN.EXE")
open_median() {  # the driver's median, in seconds
  wine64 "$win/tests/e2e/$1_e2e.exe" --gtest_filter=Bench.OpenALargeFile </dev/null >"$work/$1.log" 2>&1 ||
    { cat "$work/$1.log" >&2; return 1; }
  awk '/open median:/ {printf "%.3f", $(NF - 1) / 1000}' "$work/$1.log"
}
peltrane_open=$(open_median peltrane)
veskarin_open=$(open_median veskarin)

exe_bitmaps=$(awk -v a="$wine_bitmaps" -v b="$wine_alone" 'BEGIN {printf "%.3f", a - b}')
exe_icons=$(awk -v a="$wine_icons" -v b="$wine_alone" 'BEGIN {printf "%.3f", a - b}')
printf '%-52s %7s s\n' "Wine's start (imgscan.exe --version)" "$wine_alone"
printf '%-52s %7s s\n' "Linux imgscan bitmaps" "$linux_bitmaps"
printf '%-52s %7s s  %5s x Linux\n' "imgscan.exe bitmaps under Wine, less Wine's start" "$exe_bitmaps" \
  "$(ratio "$exe_bitmaps" "$linux_bitmaps")"
printf '%-52s %7s s  %5s x Linux\n' "PELTRANE, OK in Open to the first title" "$peltrane_open" \
  "$(ratio "$peltrane_open" "$linux_bitmaps")"
printf '%-52s %7s s\n' "Linux imgscan icons" "$linux_icons"
printf '%-52s %7s s  %5s x Linux\n' "imgscan.exe icons under Wine, less Wine's start" "$exe_icons" \
  "$(ratio "$exe_icons" "$linux_icons")"
printf '%-52s %7s s  %5s x Linux\n' "VESKARIN, OK in Open to the first title" "$veskarin_open" \
  "$(ratio "$veskarin_open" "$linux_icons")"
