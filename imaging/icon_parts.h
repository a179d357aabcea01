#pragma once
#include <cstdint>
#include <vector>

#include "scan/found_image.h"

// Where the parts of an icon image lie in its image block (header, palette,
// XOR bitmap, AND mask), checked to fit: rows of the XOR bitmap and of the
// mask, bottom-up, each padded to 32-bit words (24 bits: 3 x width padded;
// 32 bits: blue, green, red and alpha per pixel).
struct IconParts {
    int32_t width = 0;
    int32_t rows = 0;          // the real height: half the header's biHeight
    int32_t bitCount = 0;
    int64_t paletteCount = 0;  // entries present
    int64_t xorBytes = 0;      // imageSize - maskSize
    int64_t xorRow = 0;
    int64_t andRow = 0;
    const uint8_t* palette = nullptr;
    const uint8_t* xorBits = nullptr;
    const uint8_t* andBits = nullptr;

    // Bit x (most significant first) of a 1-bit row.
    static bool Bit(const uint8_t* row, int64_t x) { return (row[x / 8] >> (7 - x % 8)) & 1; }
    bool Masked(int64_t y, int64_t x) const { return Bit(andBits + y * andRow, x); }
    // Blue, green, red (and alpha for 32 bits) of pixel x of XOR row y; a
    // palette index beyond the entries present shows black.
    void ColorAt(int64_t y, int64_t x, uint8_t bgra[4]) const;
};

// False when the header disagrees with the entry (biSize, bit count) or the
// rows do not fit in the sizes the entry records.
bool LocateIconParts(const std::vector<uint8_t>& block, const FoundImage& entry, IconParts& parts);
