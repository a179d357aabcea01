#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/rgba_image.h"

// PNG files through the stb image libraries.

// The PNG file of `image`: 8-bit RGBA, or RGB when `withAlpha` is false
// (alpha dropped). False for an empty image.
bool EncodePng(const RgbaImage& image, bool withAlpha, std::vector<uint8_t>& png);

// Decodes a PNG of at most `largestSide` pixels across and down to RGBA.
// False for anything else, or when the bytes are not a whole, valid PNG.
bool DecodePng(const uint8_t* bytes, size_t size, int32_t largestSide, RgbaImage& image);

// PNG icon images: at most 256 x 256.
inline bool DecodeIconPng(const uint8_t* bytes, size_t size, RgbaImage& image) {
    return DecodePng(bytes, size, 256, image);
}

// The 8-byte signature every PNG file starts with.
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
