// The one-pass scan must never fail and must agree with the chunk-by-chunk
// reference. The first byte picks the search, the next two a run of zeros put
// before the rest, so that headers fall on chunk boundaries.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tests/reference/reference_scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    ScanOptions options;
    options.kind = static_cast<SearchKind>(data[0] & 3);
    options.limit = (data[0] & 4) ? 2 : kTableLimit;
    options.icoPrecheck = (data[0] & 8) != 0;
    const size_t zeros = (data[1] | data[2] << 8) % 70000;
    std::vector<uint8_t> file(zeros, 0);
    file.insert(file.end(), data + 3, data + size);

    MemorySource a(file), b(file);
    const ScanResult fast = ScanImages(a, options);
    const ScanResult slow = ReferenceScan(b, options);
    if (fast.outcome != slow.outcome || fast.entries.size() != slow.entries.size()) std::abort();
    for (size_t i = 0; i < fast.entries.size(); ++i) {
        const FoundImage& x = fast.entries[i];
        const FoundImage& y = slow.entries[i];
        if (x.headerOffset != y.headerOffset || x.imageSize != y.imageSize || x.colorCount != y.colorCount ||
            x.maskSize != y.maskSize || x.isCompressed != y.isCompressed || x.bitCount != y.bitCount ||
            x.width != y.width || x.height != y.height) {
            std::abort();
        }
        if (int64_t{x.headerOffset} + 40 + 4 * int64_t{x.colorCount} + x.imageSize > int64_t(file.size())) std::abort();
    }
    return 0;
}
