#include "imaging/icon_parts.h"

#include <cstddef>
#include <cstring>

#include "scan/scan_rules.h"

namespace {

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

int64_t XorRowBytes(int32_t bitCount, int64_t width) {
    switch (bitCount) {
        case 1: return 4 * CeilDiv(width, 32);
        case 4: return 4 * CeilDiv(width, 8);
        case 8: return 4 * CeilDiv(width, 4);
        case 32: return 4 * width;
        default: return 3 * width + width % 4;
    }
}

}  // namespace

bool LocateIconParts(const std::vector<uint8_t>& block, const FoundImage& e, IconParts& p) {
    if (block.size() < 40 || e.colorCount < 0 || e.maskSize < 0 || e.maskSize > e.imageSize) return false;
    if (block.size() != 40 + 4 * static_cast<size_t>(e.colorCount) + static_cast<size_t>(e.imageSize)) return false;
    const uint8_t* h = block.data();
    if (e.bitCount != 1 && e.bitCount != 4 && e.bitCount != 8 && e.bitCount != 24 && e.bitCount != 32) return false;
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

void IconParts::ColorAt(int64_t y, int64_t x, uint8_t bgra[4]) const {
    const uint8_t* row = xorBits + y * xorRow;
    bgra[3] = 255;
    int64_t index = 0;
    switch (bitCount) {
        case 1: index = Bit(row, x); break;
        case 4: index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F; break;
        case 8: index = row[x]; break;
        case 32: std::memcpy(bgra, row + 4 * x, 4); return;
        default: std::memcpy(bgra, row + 3 * x, 3); return;
    }
    if (index >= paletteCount) {
        bgra[0] = bgra[1] = bgra[2] = 0;
        return;
    }
    std::memcpy(bgra, palette + 4 * index, 3);
}
