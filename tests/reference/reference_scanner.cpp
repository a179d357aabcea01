#include "tests/reference/reference_scanner.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kChunkSize = 32100;
constexpr int kSearched = 32000;

struct Literal {
    ByteSource& file;
    int64_t fileSize;
    bool failed = false;

    // One byte of the file; bytes past its end read as 0.
    uint32_t Byte(int64_t offset) {
        uint8_t b = 0;
        if (offset < 0 || offset >= fileSize) return 0;
        if (file.ReadAt(offset, &b, 1) != 1) failed = true;
        return b;
    }
    int32_t Value32(int64_t offset) {
        return static_cast<int32_t>(Byte(offset) | Byte(offset + 1) << 8 | Byte(offset + 2) << 16 |
                                    Byte(offset + 3) << 24);
    }
};

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }  // a > 0

bool HeaderTest(const unsigned char* c, bool icons) {
    if (!(c[1] == 0 && c[2] == 0 && c[3] == 0)) return false;
    if (!(c[12] == 1 && c[13] == 0)) return false;
    if (!((c[14] == 1 || c[14] == 4 || c[14] == 8 || c[14] == 24) && c[15] == 0)) return false;
    if (!(c[17] == 0 && c[18] == 0 && c[19] == 0)) return false;
    if (icons) {
        if (c[24] || c[25] || c[26] || c[27] || c[28] || c[29] || c[30] || c[31]) return false;
        if (c[14] == 1) {
            const bool zero = c[32] == 0 && c[33] == 0 && c[34] == 0 && c[35] == 0;
            const bool two = c[32] == 2 && c[33] == 0 && c[34] == 0 && c[35] == 0;
            if (!zero && !two) return false;
        }
    }
    return true;
}

int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

// Size rule for icons; returns false to drop. Fills maskSize, adjusts imageSize.
bool IconSizeRule(FoundImage& e, int32_t width, int32_t height) {
    if (e.isCompressed == 1) return false;
    const int64_t H = height;
    const int64_t andWords = CeilDiv(width, 32);
    const int32_t maskSize = Wrap(2 * andWords * H);
    int64_t finalSize = e.imageSize;
    if (e.bitCount == 24) {
        const int32_t sum = Wrap(int64_t{Wrap((width - 4 * (width / 4)) * H)} + Wrap(3 * int64_t{Wrap(int64_t{width} * H)}) +
                                 Wrap(4 * andWords * H));
        const int32_t expected = sum / 2;
        if (e.imageSize != expected) return false;
    } else {
        int64_t xorWords = 0;
        if (e.bitCount == 1) xorWords = CeilDiv(width, 32);
        if (e.bitCount == 4) xorWords = CeilDiv(width, 8);
        if (e.bitCount == 8) xorWords = CeilDiv(width, 4);
        if (e.imageSize == Wrap(2 * (xorWords + andWords) * H)) {
        } else if (e.imageSize == Wrap(2 * xorWords * H)) {
            finalSize = int64_t{e.imageSize} + maskSize;
        } else {
            return false;
        }
    }
    if (maskSize <= 0 || finalSize <= 0 || finalSize > INT32_MAX) return false;
    e.maskSize = maskSize;
    e.imageSize = static_cast<int32_t>(finalSize);
    return true;
}

bool BitmapSizeRule(Literal& file, const FoundImage& e, int32_t width, int32_t height) {
    const int64_t bits = int64_t{e.headerOffset} + 40 + 4 * int64_t{e.colorCount};
    switch (e.bitCount) {
        case 1: {
            if (e.isCompressed) return true;
            const int64_t R = 4 * CeilDiv(width, 32);
            if (Wrap(int64_t{height} * R) != e.imageSize) return false;
            if (width % 16 == 0 && height == Wrap(2 * int64_t{width})) return false;
            return true;
        }
        case 4: {
            if (!e.isCompressed) return Wrap(int64_t{height} * 4 * CeilDiv(width, 8)) == e.imageSize;
            for (int64_t i = 0; i < e.imageSize; ++i) {
                const uint32_t b = file.Byte(bits + i);
                if ((b >> 4) >= static_cast<uint32_t>(e.colorCount) || e.colorCount < 0) return false;
                if ((b & 15) >= static_cast<uint32_t>(e.colorCount)) return false;
            }
            return true;
        }
        case 8: {
            if (!e.isCompressed) return Wrap(int64_t{height} * 4 * CeilDiv(width, 4)) == e.imageSize;
            for (int64_t i = 0; i < e.imageSize; ++i) {
                if (e.colorCount < 0 || file.Byte(bits + i) >= static_cast<uint32_t>(e.colorCount)) return false;
            }
            return true;
        }
        default: {
            if (e.isCompressed) return true;
            const int64_t expected = int64_t{Wrap(3 * int64_t{Wrap(int64_t{width} * height)})} + Wrap((width - 4 * (width / 4)) * int64_t{height});
            return Wrap(expected) == e.imageSize;
        }
    }
}

}  // namespace

ScanResult ReferenceScan(ByteSource& source, const ScanOptions& options) {
    ScanResult result;
    Literal file{source, source.Size()};
    result.fileSize = file.fileSize;
    if (file.fileSize >= (int64_t{1} << 31)) {
        result.outcome = ScanOutcome::OpenFailed;
        return result;
    }
    const bool icons = options.kind == SearchKind::Icons || options.kind == SearchKind::GalleryIcons;
    const bool gallery = options.kind == SearchKind::GalleryIcons;
    if (icons && options.icoPrecheck) {
        const int64_t b4 = file.fileSize > 4 ? file.Byte(4) : -1;
        const int64_t b5 = file.fileSize > 5 ? file.Byte(5) : -1;
        if (!(b4 == 1 && b5 == 0)) {
            result.outcome = ScanOutcome::IcoCountNotOne;
            return result;
        }
    }

    std::vector<FoundImage> table(options.limit > 0 ? options.limit : 16);
    int counter = -1;  // the running entry counter
    int lastIndex = -1;
    std::vector<unsigned char> chunk(kChunkSize);
    int64_t pos = 0;
    bool limitReached = false;

    for (;;) {
        // 1. Clear the chunk, read up to 32100 bytes from pos.
        std::memset(chunk.data(), 0, chunk.size());
        const int64_t got = pos >= file.fileSize ? 0 : source.ReadAt(pos, chunk.data(), chunk.size());
        if (got < 0) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        if (got < 49) break;
        // 2. The first byte 40 among the first 32000.
        int rel = -1;
        for (int i = 0; i < kSearched; ++i) {
            if (chunk[i] == 40) {
                rel = i;
                break;
            }
        }
        // 3. None: the next chunk 32000 bytes further.
        if (rel < 0) {
            pos += kSearched;
            continue;
        }
        const int64_t candidate = pos + rel;
        // 5. Header test failed: the next chunk starts one byte further.
        if (!HeaderTest(chunk.data() + rel, icons)) {
            pos = candidate + 1;
            continue;
        }
        // 6. Passed: count it in and examine it.
        ++counter;
        lastIndex = counter;
        if (counter >= static_cast<int>(table.size())) table.resize(table.size() * 2);
        FoundImage e;
        e.headerOffset = static_cast<int32_t>(candidate);
        const int32_t width = file.Value32(candidate + 4);
        const int32_t height = file.Value32(candidate + 8);
        const uint32_t bitByte = file.Byte(candidate + 14);
        e.bitCount = (bitByte == 1 || bitByte == 4 || bitByte == 8) ? static_cast<int32_t>(bitByte) : 24;
        e.isCompressed = file.Byte(candidate + 16) != 0 ? 1 : 0;
        e.imageSize = file.Value32(candidate + 20);
        e.width = width;
        e.height = height;
        if (file.failed) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        bool dropEarly = width <= 0 || e.imageSize <= 0 || (icons ? height <= 0 : height == 0);
        if (gallery && (width > 64 || height > 128)) dropEarly = true;
        if (dropEarly) {
            --counter;
            lastIndex = counter;
            pos = candidate + 1;
            continue;
        }
        e.colorCount = file.Value32(candidate + 32);
        if (e.colorCount == 0) {
            if (e.bitCount == 1) e.colorCount = 2;
            if (e.bitCount == 4) e.colorCount = 16;
            if (e.bitCount == 8) e.colorCount = 256;
        }
        if (e.bitCount == 24) e.colorCount = 0;
        // 7. Overlap rule.
        if (counter > 0) {
            const FoundImage& prev = table[counter - 1];
            const int64_t prevEnd = int64_t{prev.headerOffset} + 40 + 4 * int64_t{prev.colorCount} + prev.imageSize;
            if (prevEnd > candidate) {
                --counter;
                lastIndex = counter;
            }
        }
        // 8. The scan goes on after the header.
        pos = candidate + 40;
        // 9. Size rule, then the entry must lie inside the file.
        bool keep = icons ? IconSizeRule(e, width, height) : BitmapSizeRule(file, e, width, height);
        if (file.failed) {
            result.outcome = ScanOutcome::OpenFailed;
            return result;
        }
        if (keep) {
            const int64_t end = int64_t{e.headerOffset} + 40 + 4 * int64_t{e.colorCount} + e.imageSize;
            if (e.colorCount < 0 || end > file.fileSize) keep = false;
        }
        if (keep) {
            table[counter] = e;
        } else {
            --counter;
            lastIndex = counter;
        }
        // 10. Limit.
        if (options.limit > 0 && lastIndex + 1 >= options.limit) {
            limitReached = true;
            break;
        }
    }
    result.entries.assign(table.begin(), table.begin() + (lastIndex + 1));
    if (limitReached) {
        result.outcome = ScanOutcome::LimitReached;
    } else {
        result.outcome = result.entries.empty() ? ScanOutcome::NothingFound : ScanOutcome::Found;
    }
    return result;
}
