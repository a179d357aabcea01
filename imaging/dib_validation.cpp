#include "imaging/dib_validation.h"

#include <algorithm>
#include <cstdlib>

#include "imaging/rgba_image.h"
#include "scan/scan_rules.h"

namespace {

constexpr uint16_t kMagic = 0x4D42;
constexpr int64_t kInfoSize = 40;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;

void Put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

int32_t DefaultEntries(int bitCount) { return bitCount >= 1 && bitCount <= 8 ? 1 << bitCount : 0; }

// Bytes of the uncompressed rows: each padded to whole 32-bit words. Sizes
// beyond any file come out as INT64_MAX.
int64_t RowsSize(int32_t width, int32_t height, int bitCount) {
    const int64_t row = (std::llabs(int64_t{width}) * bitCount + 31) / 32 * 4;  // below 2^46
    const int64_t rows = std::llabs(int64_t{height});
    return row != 0 && rows > INT64_MAX / row ? INT64_MAX : row * rows;
}

}  // namespace

DibStatus ReadDibFileHeader(const uint8_t* bytes, size_t count, DibFileHeader& header) {
    if (count < 14) return DibStatus::FileHeaderShort;
    header.type = static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
    header.size = ReadU32(bytes + 2);
    header.offBits = ReadU32(bytes + 10);
    if (header.type != kMagic) return DibStatus::BadMagic;
    if (header.size < 14 + kInfoSize) return DibStatus::BodyShort;
    return DibStatus::Ok;
}

DibStatus ValidateDibBlock(const DibFileHeader& header, uint8_t* block, size_t blockSize, DibLayout& layout) {
    const auto size = static_cast<int64_t>(blockSize);
    if (size + 14 != int64_t{header.size} || size < kInfoSize) return DibStatus::BodyShort;
    if (ReadU32(block) != kInfoSize) return DibStatus::BadInfoSize;

    const int32_t width = ReadS32(block + 4);
    const int32_t height = ReadS32(block + 8);
    const int bitCount = block[14] | block[15] << 8;
    const uint32_t compression = ReadU32(block + 16);

    int64_t entries = ReadU32(block + 32);
    if (entries == 0) {
        entries = DefaultEntries(bitCount);
        Put32(block + 32, static_cast<uint32_t>(entries));
    }
    if (ReadU32(block + 20) == 0) {
        const int64_t rows = RowsSize(width, height, bitCount);
        if (rows > UINT32_MAX) return DibStatus::BodyShort;
        Put32(block + 20, static_cast<uint32_t>(rows));
    }
    const int64_t sizeImage = ReadU32(block + 20);
    // Compressed bits are expanded to the whole picture when painted: a few
    // bytes must not promise gigabytes.
    if ((compression == kRle8 || compression == kRle4) &&
        std::llabs(int64_t{width}) * std::llabs(int64_t{height}) > kMaxPixels)
        return DibStatus::NoMemory;

    // Colour table and bits must lie inside the block. Painting needs the
    // table only up to 8 bits per pixel (above, a table the block cannot hold
    // is ignored); bit-field bitmaps keep three masks there.
    if (bitCount > 8 && 4 * entries > size - kInfoSize) entries = 0;
    int64_t tableBytes = bitCount <= 8 ? 4 * entries : 0;
    if (compression == kBitFields) tableBytes = std::max<int64_t>(tableBytes, 12);
    if (tableBytes > size - kInfoSize) return DibStatus::BodyShort;
    const int64_t bits = header.offBits != 0 ? int64_t{header.offBits} - 14 : kInfoSize + 4 * entries;
    int64_t bitsSize = sizeImage;
    if (compression == 0 || compression == kBitFields) bitsSize = std::max(bitsSize, RowsSize(width, height, bitCount));
    if (bits < kInfoSize || bits > size || bitsSize > size - bits) return DibStatus::BodyShort;

    layout.colorEntries = static_cast<int32_t>(entries);
    layout.colors = kInfoSize;
    layout.bits = static_cast<size_t>(bits);
    layout.bitsSize = static_cast<size_t>(bitsSize);
    return DibStatus::Ok;
}
