#include "tests/unit/test_images.h"

#include <algorithm>
#include <cstdlib>

void Put32(Bytes& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get32(const Bytes& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + i];
    return value;
}

Bytes HeaderBytes(const InfoHeader& h) {
    Bytes bytes(40, 0);
    Put32(bytes, 0, 40);
    Put32(bytes, 4, static_cast<uint32_t>(h.width));
    Put32(bytes, 8, static_cast<uint32_t>(h.height));
    bytes[12] = 1;
    bytes[14] = static_cast<uint8_t>(h.bitCount);
    bytes[15] = static_cast<uint8_t>(h.bitCount >> 8);
    Put32(bytes, 16, h.compression);
    Put32(bytes, 20, static_cast<uint32_t>(h.sizeImage));
    Put32(bytes, 24, static_cast<uint32_t>(h.xPelsPerMeter));
    Put32(bytes, 28, static_cast<uint32_t>(h.yPelsPerMeter));
    Put32(bytes, 32, h.clrUsed);
    return bytes;
}

void Place(Bytes& file, size_t offset, const Bytes& part) {
    if (file.size() < offset + part.size()) file.resize(offset + part.size(), 0);
    std::copy(part.begin(), part.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

namespace {

int32_t RowBytes(int32_t width, uint16_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

int32_t Palette(uint16_t bitCount) { return bitCount > 8 ? 0 : 4 << bitCount; }

}  // namespace

int32_t IconImageSize(int32_t width, int32_t height, uint16_t bitCount) {
    return (RowBytes(width, bitCount) + RowBytes(width, 1)) * height;
}

Bytes IconImage(int32_t width, int32_t height, uint16_t bitCount, bool xorOnly) {
    InfoHeader h;
    h.width = width;
    h.height = 2 * height;
    h.bitCount = bitCount;
    h.sizeImage = xorOnly ? RowBytes(width, bitCount) * height : IconImageSize(width, height, bitCount);
    Bytes bytes = HeaderBytes(h);
    bytes.resize(40 + Palette(bitCount) + IconImageSize(width, height, bitCount), 0);
    return bytes;
}

Bytes BitmapImage(int32_t width, int32_t height, uint16_t bitCount) {
    InfoHeader h;
    h.width = width;
    h.height = height;
    h.bitCount = bitCount;
    h.sizeImage = RowBytes(width, bitCount) * std::abs(height);
    Bytes bytes = HeaderBytes(h);
    bytes.resize(40 + Palette(bitCount) + h.sizeImage, 0);
    return bytes;
}

ScanResult Scan(const Bytes& file, SearchKind kind, int limit, bool icoPrecheck) {
    MemorySource source(file);
    ScanOptions options;
    options.kind = kind;
    options.limit = limit;
    options.icoPrecheck = icoPrecheck;
    return ScanImages(source, options);
}

std::vector<int32_t> Offsets(const ScanResult& result) {
    std::vector<int32_t> offsets;
    for (const FoundImage& e : result.entries) offsets.push_back(e.headerOffset);
    return offsets;
}
