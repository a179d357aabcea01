#include "imaging/icon_parts.h"

#include <cstddef>

#include "scan/scan_rules.h"

namespace {

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

int64_t XorRowBytes(int32_t bitCount, int64_t width) {
    switch (bitCount) {
        case 1: return 4 * CeilDiv(width, 32);
        case 4: return 4 * CeilDiv(width, 8);
        case 8: return 4 * CeilDiv(width, 4);
        default: return 3 * width + width % 4;
    }
}

}  // namespace

bool LocateIconParts(const std::vector<uint8_t>& block, const FoundImage& e, IconParts& p) {
    if (block.size() < 40 || e.colorCount < 0 || e.maskSize < 0 || e.maskSize > e.imageSize) return false;
    if (block.size() != 40 + 4 * static_cast<size_t>(e.colorCount) + static_cast<size_t>(e.imageSize)) return false;
    const uint8_t* h = block.data();
    if (e.bitCount != 1 && e.bitCount != 4 && e.bitCount != 8 && e.bitCount != 24) return false;
    if (ReadU32(h) != 40 || h[14] != e.bitCount || h[15] != 0) return false;
    p.width = ReadS32(h + 4);
    p.rows = ReadS32(h + 8) / 2;
    if (p.width <= 0 || p.rows < 0) return false;
    p.bitCount = e.bitCount;
    p.paletteCount = e.colorCount;
    p.xorBytes = int64_t{e.imageSize} - e.maskSize;
    p.xorRow = XorRowBytes(e.bitCount, p.width);
    p.andRow = 4 * CeilDiv(p.width, 32);
    if (p.xorRow * p.rows > p.xorBytes || p.andRow * p.rows > e.maskSize) return false;
    p.palette = h + 40;
    p.xorBits = p.palette + 4 * p.paletteCount;
    p.andBits = p.xorBits + p.xorBytes;
    return true;
}
