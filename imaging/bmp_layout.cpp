#include "imaging/bmp_layout.h"

#include <algorithm>

std::vector<uint8_t> BmpFileHeader(uint32_t fileSize, uint32_t offBits) {
    std::vector<uint8_t> header(kBmpFileHeaderSize, 0);
    header[0] = 'B';
    header[1] = 'M';
    PutU32(header, 2, fileSize);
    PutU32(header, 10, offBits);
    return header;
}

int64_t BitmapFileSize(const FoundImage& e) {
    const int64_t block = ImageBlockSize(e);
    return block < 0 ? -1 : kBmpFileHeaderSize + block;
}

ImageRead BuildBitmapFile(ByteSource& file, const FoundImage& e, std::vector<uint8_t>& bmp,
                          const std::vector<uint8_t>* palette) {
    std::vector<uint8_t> block;
    const ImageRead read = ReadImageBlock(file, e, block);
    if (read != ImageRead::Ok) return read;
    const size_t paletteBytes = 4 * static_cast<size_t>(e.colorCount);
    if (palette != nullptr && palette->size() != paletteBytes) return ImageRead::Malformed;
    // Sizes up to 2 GiB + 54: the file fields are unsigned 32-bit.
    const auto fileSize = static_cast<uint32_t>(BitmapFileSize(e));
    bmp = BmpFileHeader(fileSize, static_cast<uint32_t>(kBmpFileHeaderSize + kInfoHeaderSize + paletteBytes));
    bmp.insert(bmp.end(), block.begin(), block.end());
    if (palette != nullptr) std::copy(palette->begin(), palette->end(), bmp.begin() + kBmpFileHeaderSize + kInfoHeaderSize);
    return ImageRead::Ok;
}
