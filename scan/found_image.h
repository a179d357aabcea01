#pragma once
#include <cstdint>

// How a found image is stored: a BITMAPINFOHEADER with its palette and bits
// (what the programs' searches find, and 32-bit icon images), or a whole PNG
// file (PNG icon images: headerOffset is its signature, imageSize its length).
enum class ImageFormat : int32_t { Dib, Png };

// One image found by the byte scan. Every field is a signed 32-bit value, as
// read from the little-endian header of the image.
struct FoundImage {
    int32_t headerOffset = 0;  // file offset of the header's first byte (the 40)
    int32_t imageSize = 0;     // bytes of image data behind header and palette
    int32_t colorCount = 0;    // palette entries (0 for 24 bits)
    int32_t maskSize = 0;      // bytes of the AND mask (icons only)
    int32_t isCompressed = 0;  // 1 when the low byte of biCompression is not 0
    int32_t bitCount = 0;      // 1, 4, 8 or 24 (32 for 32-bit icons; PNG: bits per pixel)
    int32_t width = 0;         // biWidth
    int32_t height = 0;        // biHeight as stored (icons: XOR plus AND rows; PNG: twice its height)
    ImageFormat format = ImageFormat::Dib;
};
