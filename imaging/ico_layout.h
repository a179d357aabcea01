#pragma once
#include <cstdint>
#include <vector>

#include "imaging/image_block.h"

// The one-image .ico file of a found icon: a 6-byte directory (0, 1, 1), one
// 16-byte entry (width, height, colour count, zeros, image length, offset 22)
// and the image copied unchanged from the scanned file. 32-bit and PNG icon
// images get wPlanes 1 and wBitCount 32 in their entry; a PNG image is stored
// as the PNG file it is.
constexpr int kIcoDirectorySize = 22;

// Bytes of the image in the .ico: 40 + 4 x colorCount + imageSize.
int64_t IcoImageLength(const FoundImage& entry);

// Size of the whole .ico file: 22 + IcoImageLength. It is also the figure
// the free-space test of Save As asks for (`icoFileSize`).
int64_t IcoFileSize(const FoundImage& entry);

// The 22 directory bytes of the .ico of an icon whose header holds `width`
// and the doubled `biHeight`.
std::vector<uint8_t> IcoDirectory(const FoundImage& entry, int32_t width, int32_t biHeight);

// The whole .ico file of a found icon.
ImageRead BuildIconFile(ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& ico);
