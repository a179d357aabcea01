#pragma once
#include <cstdint>
#include <vector>

#include "scan/byte_source.h"
#include "scan/found_image.h"

// The bytes of one found image as they stand in the scanned file: the 40-byte
// header, 4 x colorCount palette bytes and imageSize bytes of image data (a
// PNG image: its imageSize bytes).
enum class ImageRead {
    Ok,
    Unreadable,  // the file cannot be read, or it ends before the image does
    Malformed,   // the entry's fields describe no image (negative sizes, rows that do not fit)
};

// 40 + 4 x colorCount + imageSize (a PNG image: imageSize), or -1 when the
// fields are negative.
int64_t ImageBlockSize(const FoundImage& entry);

ImageRead ReadImageBlock(ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& block);

// Little-endian fields of files, written byte by byte.
void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);
void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
