#include "scan/scan_rules.h"

bool ReadCandidate(const uint8_t* h, int64_t offset, const ScanRules& rules, FoundImage& e) {
    e = FoundImage{};
    e.headerOffset = static_cast<int32_t>(offset);
    e.width = ReadS32(h + 4);
    e.height = ReadS32(h + 8);
    e.bitCount = h[14];
    e.isCompressed = h[16] != 0 ? 1 : 0;
    e.imageSize = ReadS32(h + 20);

    // Sizes that cannot describe an image at all.
    if (e.width <= 0 || e.imageSize <= 0) return false;
    if (rules.icons ? e.height <= 0 : e.height == 0) return false;
    if (rules.upTo64 && (e.width > 64 || e.height > 128)) return false;

    e.colorCount = ReadS32(h + 32);
    if (e.colorCount == 0) e.colorCount = e.bitCount == 1 ? 2 : e.bitCount == 4 ? 16 : 256;
    if (e.bitCount == 24) e.colorCount = 0;
    return true;
}

int64_t EntryEnd(const FoundImage& e) {
    if (e.format == ImageFormat::Png) return int64_t{e.headerOffset} + e.imageSize;
    return int64_t{e.headerOffset} + kHeaderSize + 4 * int64_t{e.colorCount} + e.imageSize;
}

namespace {

// Row words by bit count: 32, 8 and 4 pixels to a 32-bit word.
uint32_t RowWords(uint32_t width, int32_t bitCount) {
    switch (bitCount) {
        case 1: return (width + 31) / 32;
        case 4: return (width + 7) / 8;
        default: return (width + 3) / 4;
    }
}

}  // namespace

// Sizes are compared as the header's own 32-bit arithmetic gives them: the
// products wrap.
bool AcceptIconSize(FoundImage& e) {
    if (e.isCompressed) return false;
    const uint32_t width = static_cast<uint32_t>(e.width);
    const uint32_t rows = static_cast<uint32_t>(e.height);  // XOR plus AND rows
    const uint32_t andWords = (width + 31) / 32;
    const int32_t maskSize = static_cast<int32_t>(2u * andWords * rows);

    int64_t finalSize;
    if (e.bitCount == 24) {
        const int32_t twice = static_cast<int32_t>((width % 4) * rows + 3u * width * rows + 4u * andWords * rows);
        if (e.imageSize != twice / 2) return false;
        finalSize = e.imageSize;
    } else {
        const uint32_t xorWords = RowWords(width, e.bitCount);
        if (e.imageSize == static_cast<int32_t>(2u * (xorWords + andWords) * rows)) {
            finalSize = e.imageSize;
        } else if (e.imageSize == static_cast<int32_t>(2u * xorWords * rows)) {
            finalSize = int64_t{e.imageSize} + maskSize;  // biSizeImage counted the XOR bitmap only
        } else {
            return false;
        }
    }
    // A wrapped product can match; such sizes describe no real image.
    if (maskSize <= 0 || finalSize <= 0 || finalSize > INT32_MAX) return false;
    e.maskSize = maskSize;
    e.imageSize = static_cast<int32_t>(finalSize);
    return true;
}

bool AcceptBitmapSize(const FoundImage& e) {
    if (e.isCompressed) return true;
    const uint32_t width = static_cast<uint32_t>(e.width);
    const uint32_t height = static_cast<uint32_t>(e.height);  // may be negative: top-down
    if (e.bitCount == 24) {
        return static_cast<int32_t>(3u * width * height + (width % 4) * height) == e.imageSize;
    }
    const uint32_t rowBytes = 4u * RowWords(width, e.bitCount);
    if (static_cast<int32_t>(height * rowBytes) != e.imageSize) return false;
    // The shape of an icon's XOR and AND masks is not a bitmap.
    if (e.bitCount == 1 && width % 16 == 0 && e.height == static_cast<int32_t>(2u * width)) return false;
    return true;
}

bool NeedsRleCheck(const FoundImage& e) {
    if (!e.isCompressed) return false;
    if (e.bitCount == 8) return e.colorCount < 256;
    if (e.bitCount == 4) return e.colorCount < 16;
    return false;
}
