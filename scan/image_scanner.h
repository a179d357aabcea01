#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scan/byte_source.h"
#include "scan/found_image.h"

// The four searches. The galleries' icon search only keeps icons up to
// 64 x 64; both bitmap searches yield the same entries.
enum class SearchKind { Icons, GalleryIcons, Bitmaps, GalleryBitmaps };

constexpr int kTableLimit = 500;              // entries a program's table holds
constexpr int64_t kLargestFile = INT64_C(0x7FFFFFFF);  // offsets are signed 32-bit

// Told where the chunk scan stands: at each byte 40 it finds and each time it
// moves on by whole search windows without one (the galleries' progress box).
// The last position may lie past the end of the file.
class ScanProgress {
public:
    virtual ~ScanProgress() = default;
    virtual void At(int64_t position, int64_t fileSize) = 0;
};

struct ScanOptions {
    SearchKind kind = SearchKind::Icons;
    ScanProgress* progress = nullptr;
    bool icoPrecheck = false;  // an .ico file must declare exactly one image
    int limit = kTableLimit;   // 0: no limit
    bool allKinds = false;     // icons: also 32-bit and PNG icon images (ScanAllKinds)
};

enum class ScanOutcome {
    Found,           // at least one entry
    NothingFound,
    LimitReached,    // stopped at `limit` entries; they stay
    OpenFailed,      // cannot open or read the file, or it is 2 GiB or more
    IcoCountNotOne,  // .ico pre-check: idCount is not 1
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::NothingFound;
    int64_t fileSize = 0;
    std::vector<FoundImage> entries;
};

bool IsIconSearch(SearchKind kind);

// Finds the images of `source` in one pass. The entries are exactly those of
// a scan that reads the file in 32100-byte chunks, searches the first 32000
// bytes of each for the byte 40, starts the next chunk one byte after a
// rejected 40 and stops when a chunk holds fewer than 49 bytes.
ScanResult ScanImages(ByteSource& source, const ScanOptions& options);

// Opens `path` and scans it; OpenFailed when it cannot be opened.
ScanResult ScanFile(const std::string& path, const ScanOptions& options);
