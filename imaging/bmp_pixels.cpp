#include "imaging/bmp_pixels.h"

#include <cstdlib>

#include "imaging/dib_validation.h"
#include "imaging/rle_bits.h"
#include "scan/scan_rules.h"

namespace {

constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

// The colour of palette index `index`: black when the table does not hold it.
void PaletteColor(const uint8_t* table, int64_t entries, uint32_t index, uint8_t* rgba) {
    if (index < entries) {
        rgba[0] = table[4 * index + 2];
        rgba[1] = table[4 * index + 1];
        rgba[2] = table[4 * index];
    } else {
        rgba[0] = rgba[1] = rgba[2] = 0;
    }
    rgba[3] = 255;
}

uint32_t IndexInRow(const uint8_t* row, int bitCount, int64_t x) {
    switch (bitCount) {
        case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
        default: return row[x];
    }
}

}  // namespace

BmpPixels DecodeBmpFile(const std::vector<uint8_t>& bmp, RgbaImage& image) {
    image = RgbaImage{};
    DibFileHeader header;
    if (ReadDibFileHeader(bmp.data(), bmp.size(), header) != DibStatus::Ok) return BmpPixels::Unreadable;
    std::vector<uint8_t> block(bmp.begin() + 14, bmp.end());
    DibLayout layout;
    if (ValidateDibBlock(header, block.data(), block.size(), layout) != DibStatus::Ok) return BmpPixels::Unreadable;

    const int64_t width = ReadS32(block.data() + 4);
    const int64_t height = ReadS32(block.data() + 8);
    const int bitCount = block[14] | block[15] << 8;
    const uint32_t compression = ReadU32(block.data() + 16);
    const bool rle = (compression == kRle8 && bitCount == 8) || (compression == kRle4 && bitCount == 4);
    if (!rle && (compression != 0 || (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24))) {
        return BmpPixels::Unsupported;
    }
    const int64_t rows = std::llabs(height);
    const uint8_t clear[4] = {0, 0, 0, 0};
    if (width <= 0 || rows == 0) return BmpPixels::Unreadable;
    if (!MakeImage(width, rows, clear, image)) return BmpPixels::TooLarge;

    const uint8_t* table = block.data() + layout.colors;
    const int64_t entries = bitCount <= 8 ? layout.colorEntries : 0;
    const uint8_t* bits = block.data() + layout.bits;
    // Stored rows go bottom-up unless the height is negative.
    const auto outputRow = [&](int64_t stored) { return height > 0 ? rows - 1 - stored : stored; };
    if (rle) {
        std::vector<uint16_t> indices;
        if (!ExpandRleBits(bits, layout.bitsSize, bitCount, static_cast<int32_t>(width), static_cast<int32_t>(rows),
                           indices)) {
            return BmpPixels::TooLarge;
        }
        for (int64_t y = 0; y < rows; ++y) {
            for (int64_t x = 0; x < width; ++x) {
                const uint16_t index = indices[static_cast<size_t>(y * width + x)];
                if (index != kUnsetPixel) PaletteColor(table, entries, index, image.At(x, outputRow(y)));
            }
        }
        return BmpPixels::Ok;
    }
    const int64_t rowBytes = (width * bitCount + 31) / 32 * 4;  // validated to lie in the block
    for (int64_t y = 0; y < rows; ++y) {
        const uint8_t* row = bits + y * rowBytes;
        for (int64_t x = 0; x < width; ++x) {
            uint8_t* out = image.At(x, outputRow(y));
            if (bitCount == 24) {
                out[0] = row[3 * x + 2];
                out[1] = row[3 * x + 1];
                out[2] = row[3 * x];
                out[3] = 255;
            } else {
                PaletteColor(table, entries, IndexInRow(row, bitCount, x), out);
            }
        }
    }
    return BmpPixels::Ok;
}

bool HasTransparency(const RgbaImage& image) {
    for (size_t i = 3; i < image.pixels.size(); i += 4) {
        if (image.pixels[i] != 255) return true;
    }
    return false;
}
