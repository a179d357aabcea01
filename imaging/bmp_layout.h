#pragma once
#include <cstdint>
#include <vector>

#include "imaging/image_block.h"

// The BMP files the programs write: a 14-byte file header ("BM", bfSize, two
// reserved words, bfOffBits) in front of an info header, a palette and bits.
constexpr int kBmpFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

// The 14 bytes of a BMP file header.
std::vector<uint8_t> BmpFileHeader(uint32_t fileSize, uint32_t offBits);

// Size of the .bmp file of a found bitmap: 54 + 4 x colorCount + imageSize
// (-1 for negative fields).
int64_t BitmapFileSize(const FoundImage& entry);

// The .bmp file of a found bitmap: the file header, then header, palette and
// bits copied unchanged (RLE bits stay compressed). This is the bitmap
// inspector's display copy, its Save As file and the bitmap gallery's files.
// With `palette` (4 x colorCount bytes: blue, green, red, 0 per entry) the
// palette is replaced by it: the colour-changed variant.
ImageRead BuildBitmapFile(ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& bmp,
                          const std::vector<uint8_t>* palette = nullptr);
