#!/usr/bin/env bash
# The galleries' figures under Wine in Xvfb: time from Open to the first page
# drawn and the median of 20 page flips, for the largest DLL with icons and a
# program with many bitmaps. Usage: bench/gallery_bench.sh [BUILD_DIR] (the
# Windows build).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
echo "cores: $(nproc)"
E2E_DRIVERS=gallery E2E_FILTER='Bench.*' E2E_JAPANESE=0 bash "$ROOT/tests/e2e/run-e2e.sh" "${1:-$ROOT/build/win}" |
  grep -E 'cores|MORDELIX|ZANDOVIR|FAILED'
