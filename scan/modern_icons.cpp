#include "scan/modern_icons.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "scan/byte_search.h"
#include "scan/scan_rules.h"

namespace {

constexpr size_t kBlockSize = size_t{1} << 20;
constexpr int64_t kPngHead = 33;                     // signature and IHDR chunk
constexpr int64_t kLargestPng = int64_t{1} << 20;    // an icon image of 256 x 256 is far smaller
constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint8_t kIend[12] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

uint32_t ReadBig32(const uint8_t* b) {
    return static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 | static_cast<uint32_t>(b[2]) << 8 | b[3];
}

uint32_t Crc32(const uint8_t* bytes, size_t count) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < count; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// A view of the source that only moves forward, one block in memory.
class ForwardReader {
public:
    ForwardReader(ByteSource& source, int64_t size)
        : source_(source), size_(size), block_(static_cast<size_t>(std::clamp<int64_t>(size, 1, kBlockSize))) {}

    // The bytes from `offset` on that the block holds, at least `least` of
    // them unless the source ends first. False when reading failed.
    bool Span(int64_t offset, int64_t least, const uint8_t*& bytes, int64_t& count) {
        const int64_t want = std::min(least, size_ - offset);
        if (offset < start_ || offset + want > start_ + length_) {
            const int64_t n = source_.ReadAt(offset, block_.data(), block_.size());
            if (n < want || n <= 0) return false;
            start_ = offset;
            length_ = n;
        }
        bytes = block_.data() + (offset - start_);
        count = start_ + length_ - offset;
        return true;
    }

private:
    ByteSource& source_;
    int64_t size_;
    std::vector<uint8_t> block_;
    int64_t start_ = 0;
    int64_t length_ = 0;
};

// The next IEND chunk at or after a position that only grows: each byte of
// the file is searched at most once, however many PNG signatures ask.
class IendFinder {
public:
    IendFinder(ByteSource& source, int64_t size) : reader_(source, size), size_(size) {}

    // Offset of the chunk, -1 when there is none, -2 when reading failed.
    int64_t Next(int64_t from) {
        // The last answer holds while it lies at or after `from`, or when it
        // was that nothing follows an earlier position.
        if (searched_ && from >= searchedFrom_ && (found_ == -1 || found_ >= from)) return found_;
        searched_ = true;
        searchedFrom_ = from;
        found_ = -1;
        int64_t at = from;
        while (size_ - at >= 12) {
            const uint8_t* bytes;
            int64_t count;
            if (!reader_.Span(at, 12, bytes, count)) return found_ = -2;
            const uint8_t* hit = std::search(bytes, bytes + count, std::begin(kIend), std::end(kIend));
            if (hit != bytes + count) return found_ = at + (hit - bytes);
            at += count - 11;
        }
        return found_;
    }

private:
    ForwardReader reader_;
    int64_t size_;
    bool searched_ = false;
    int64_t searchedFrom_ = 0;
    int64_t found_ = -1;
};

int32_t RowsOf(int32_t biHeight) { return biHeight % 2 == 0 ? biHeight / 2 : 0; }

// A 32-bit icon image at `offset`, whose 40 header bytes are `h`.
bool ReadDib32(const uint8_t* h, int64_t offset, int64_t fileSize, int32_t largest, FoundImage& e) {
    if (ReadU32(h) != 40 || h[12] != 1 || h[13] != 0 || h[14] != 32 || h[15] != 0 || ReadU32(h + 16) != 0) return false;
    for (int i = 24; i < 36; ++i) {
        if (h[i] != 0) return false;  // no pixels per metre, no palette
    }
    const int32_t width = ReadS32(h + 4);
    const int32_t rows = RowsOf(ReadS32(h + 8));
    if (width < 1 || width > largest || rows < 1 || rows > largest) return false;
    const int32_t xorBytes = 4 * width * rows;
    const int32_t andBytes = (width + 31) / 32 * 4 * rows;
    const int32_t sizeImage = ReadS32(h + 20);
    if (sizeImage != 0 && sizeImage != xorBytes && sizeImage != xorBytes + andBytes) return false;
    if (offset + kHeaderSize + xorBytes + andBytes > fileSize) return false;
    e = FoundImage{};
    e.headerOffset = static_cast<int32_t>(offset);
    e.width = width;
    e.height = 2 * rows;
    e.bitCount = 32;
    e.imageSize = xorBytes + andBytes;
    e.maskSize = andBytes;
    return true;
}

// The signature and IHDR of a PNG icon image (33 bytes at `p`).
bool ReadPngHead(const uint8_t* p, int64_t offset, int32_t largest, FoundImage& e) {
    if (std::memcmp(p, kSignature, 8) != 0 || ReadBig32(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0) return false;
    const uint32_t width = ReadBig32(p + 16);
    const uint32_t height = ReadBig32(p + 20);
    if (width < 1 || width > uint32_t(largest) || height < 1 || height > uint32_t(largest)) return false;
    const int depth = p[24];
    int channels = 0;
    switch (p[25]) {  // colour type: the depths it allows
        case 0: channels = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16 ? 1 : 0; break;
        case 3: channels = depth == 1 || depth == 2 || depth == 4 || depth == 8 ? 1 : 0; break;
        case 2: channels = depth == 8 || depth == 16 ? 3 : 0; break;
        case 4: channels = depth == 8 || depth == 16 ? 2 : 0; break;
        case 6: channels = depth == 8 || depth == 16 ? 4 : 0; break;
        default: break;
    }
    if (channels == 0 || p[26] != 0 || p[27] != 0 || p[28] > 1) return false;
    if (Crc32(p + 12, 17) != ReadBig32(p + 29)) return false;
    e = FoundImage{};
    e.format = ImageFormat::Png;
    e.headerOffset = static_cast<int32_t>(offset);
    e.width = static_cast<int32_t>(width);
    e.height = static_cast<int32_t>(2 * height);
    e.bitCount = depth * channels;
    return true;
}

}  // namespace

bool FindModernIcons(ByteSource& source, bool upTo64, std::vector<FoundImage>& found) {
    found.clear();
    const int64_t size = source.Size();
    if (size < 0 || size > kLargestFile) return false;
    const int32_t largest = upTo64 ? 64 : 256;
    ForwardReader reader(source, size);
    IendFinder iend(source, size);
    int64_t pos = 0;
    while (pos < size) {
        const uint8_t* bytes;
        int64_t count;
        if (!reader.Span(pos, 1, bytes, count)) return false;
        // The first byte 40 (a header) or 0x89 (a PNG signature) of the span.
        const int64_t before = FindByte(bytes, bytes + count, 40) - bytes;
        const int64_t i = FindByte(bytes, bytes + before, 0x89) - bytes;
        if (i == count) {
            pos += count;
            continue;
        }
        const int64_t candidate = pos + i;
        const bool dib = bytes[i] == 40;
        pos = candidate + 1;
        const int64_t need = dib ? kHeaderSize : kPngHead;
        if (size - candidate < need) continue;
        if (!reader.Span(candidate, need, bytes, count)) return false;
        FoundImage e;
        if (dib) {
            if (!ReadDib32(bytes, candidate, size, largest, e)) continue;
            pos = candidate + kHeaderSize + e.imageSize;
        } else {
            if (!ReadPngHead(bytes, candidate, largest, e)) continue;
            const int64_t end = iend.Next(candidate + kPngHead);
            if (end == -2) return false;
            if (end < 0 || end + 12 - candidate > kLargestPng) continue;
            e.imageSize = static_cast<int32_t>(end + 12 - candidate);
            pos = end + 12;
        }
        found.push_back(e);
    }
    return true;
}

ScanResult ScanAllKinds(ByteSource& source, const ScanOptions& options) {
    if (!options.allKinds || !IsIconSearch(options.kind)) return ScanImages(source, options);
    ScanOptions classic = options;
    classic.limit = 0;
    ScanResult result = ScanImages(source, classic);
    if (result.outcome == ScanOutcome::OpenFailed || result.outcome == ScanOutcome::IcoCountNotOne) return result;
    std::vector<FoundImage> modern;
    if (!FindModernIcons(source, options.kind == SearchKind::GalleryIcons, modern)) {
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    // The searches' entries do not overlap one another: a modern image is
    // kept unless it shares bytes with the entry that starts last before its end.
    std::vector<FoundImage>& entries = result.entries;
    const size_t classicCount = entries.size();
    for (const FoundImage& m : modern) {
        const auto after = std::upper_bound(entries.begin(), entries.begin() + classicCount, EntryEnd(m) - 1,
                                            [](int64_t at, const FoundImage& c) { return at < c.headerOffset; });
        if (after != entries.begin() && EntryEnd(*(after - 1)) > m.headerOffset) continue;
        entries.push_back(m);
    }
    std::inplace_merge(entries.begin(), entries.begin() + classicCount, entries.end(),
                       [](const FoundImage& a, const FoundImage& b) { return a.headerOffset < b.headerOffset; });
    const size_t limit = options.limit > 0 ? static_cast<size_t>(options.limit) : SIZE_MAX;
    if (entries.size() >= limit) {
        entries.resize(limit);
        result.outcome = ScanOutcome::LimitReached;
    } else {
        result.outcome = entries.empty() ? ScanOutcome::NothingFound : ScanOutcome::Found;
    }
    return result;
}
