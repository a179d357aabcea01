#include "imaging/image_block.h"

int64_t ImageBlockSize(const FoundImage& e) {
    if (e.colorCount < 0 || e.imageSize < 0) return -1;
    if (e.format == ImageFormat::Png) return e.imageSize;
    return 40 + 4 * int64_t{e.colorCount} + e.imageSize;
}

ImageRead ReadImageBlock(ByteSource& file, const FoundImage& e, std::vector<uint8_t>& block) {
    const int64_t size = ImageBlockSize(e);
    if (size < 0 || e.headerOffset < 0) return ImageRead::Malformed;
    if (e.headerOffset + size > file.Size()) return ImageRead::Unreadable;
    block.assign(static_cast<size_t>(size), 0);
    if (file.ReadAt(e.headerOffset, block.data(), block.size()) != size) return ImageRead::Unreadable;
    return ImageRead::Ok;
}

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
