#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels as pictures are written: red, green, blue, alpha, rows top-down.
struct RgbaImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // 4 x width x height bytes

    uint8_t* At(int64_t x, int64_t y) { return pixels.data() + 4 * (y * width + x); }
    const uint8_t* At(int64_t x, int64_t y) const { return pixels.data() + 4 * (y * width + x); }
};

// The largest picture drawn or decoded: 32 Mi pixels (128 MiB of RGBA), so
// that a header promising a huge image with a few bytes of RLE cannot make
// the tool ask for gigabytes.
constexpr int64_t kMaxPixels = int64_t{1} << 25;

// Sets `image` to width x height pixels of one colour; false (image empty)
// when a side is not positive or the picture is larger than kMaxPixels.
bool MakeImage(int64_t width, int64_t height, const uint8_t rgba[4], RgbaImage& image);
