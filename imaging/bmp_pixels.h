#pragma once
#include <cstdint>
#include <vector>

#include "imaging/rgba_image.h"

// The pixels of a BMP file as the programs write them (the found bitmaps'
// .bmp files, the icons' display copies): 1, 4, 8 and 24 bits uncompressed,
// RLE8 and RLE4 expanded. A palette index the colour table does not hold
// shows black; pixels the RLE bits never reach are transparent.
enum class BmpPixels {
    Ok,
    Unreadable,   // not a BMP file whose parts lie inside it
    Unsupported,  // another bit count or compression
    TooLarge,     // more than kMaxPixels pixels
};

BmpPixels DecodeBmpFile(const std::vector<uint8_t>& bmp, RgbaImage& image);

// True when some pixel is not opaque.
bool HasTransparency(const RgbaImage& image);
