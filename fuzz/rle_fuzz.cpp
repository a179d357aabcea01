// RLE bits and BMP files of random bytes expanded into pixels: no crash, no
// read outside the bits, every index one the bits can hold, and a picture of
// exactly the size the header gives.
#include <cstdlib>
#include <vector>

#include "imaging/bmp_pixels.h"
#include "imaging/rle_bits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int bitCount = data[0] & 1 ? 4 : 8;
    const int32_t width = 1 + data[1] % 64;
    const int32_t rows = 1 + data[2] % 64;
    const std::vector<uint8_t> bits(data + 3, data + size);  // exactly the bytes the decoder may read
    std::vector<uint16_t> indices;
    if (!ExpandRleBits(bits.data(), bits.size(), bitCount, width, rows, indices)) std::abort();
    if (indices.size() != static_cast<size_t>(width) * static_cast<size_t>(rows)) std::abort();
    for (const uint16_t index : indices) {
        if (index != kUnsetPixel && index >= (1u << bitCount)) std::abort();
    }

    // The same bytes as a whole BMP file: a true "BM" and bfSize, so that most
    // runs reach the info header and the bits.
    std::vector<uint8_t> bmp(data, data + size);
    if (bmp.size() >= 14) {
        bmp[0] = 'B';
        bmp[1] = 'M';
        for (int i = 0; i < 4; ++i) bmp[2 + i] = static_cast<uint8_t>(bmp.size() >> (8 * i));
    }
    RgbaImage image;
    if (DecodeBmpFile(bmp, image) == BmpPixels::Ok &&
        image.pixels.size() != 4 * static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        std::abort();
    }
    return 0;
}
