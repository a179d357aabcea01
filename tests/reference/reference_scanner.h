#pragma once
#include "scan/image_scanner.h"

// The chunked search exactly as the programs' description tells it, step by
// step: each chunk of 32100 bytes is read again from the file, every rule is
// written out on its own. Slow on purpose; it is the oracle of the
// differential tests and the baseline of the benchmark.
ScanResult ReferenceScan(ByteSource& source, const ScanOptions& options);
