#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a share of the given seconds.
set -euo pipefail
dir=$1
seconds=${2:-60}
targets=$(find "$dir/fuzz" -maxdepth 1 -type f -name '*_fuzz' | sort)
[ -n "$targets" ] || { echo "no fuzzers in $dir/fuzz"; exit 1; }
count=$(echo "$targets" | wc -l)
share=$(( seconds / count > 5 ? seconds / count : 5 ))
for t in $targets; do
  corpus="$dir/corpus/$(basename "$t")"
  mkdir -p "$corpus"
  echo "fuzzing $(basename "$t") for $share s"
  "$t" "$corpus" -max_total_time="$share" -max_len=4096 -timeout=20 -print_final_stats=1 2>&1 | grep -E "^stat::(number_of_executed_units|peak_rss_mb)|ERROR|SUMMARY|Done"
done
