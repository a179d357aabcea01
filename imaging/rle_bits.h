#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Expanding the run-length encoded bits of RLE8 (8 bits per pixel) and RLE4
// (4 bits) bitmaps into one palette index per pixel, rows bottom-up as
// stored. Pixels that the bits never reach (moved over by a delta or an end
// of line, or left when the bits end) hold kUnsetPixel. Runs and absolute
// stretches that pass the end of a row or the last row are cut there; the
// bits are read only inside [bits, bits + size), and the work is linear in
// size plus the pixels.
constexpr uint16_t kUnsetPixel = 0x100;

// `indices` becomes width x rows values. False when the sizes are not
// positive, the picture is larger than kMaxPixels, or bitCount is not 4 or 8.
bool ExpandRleBits(const uint8_t* bits, size_t size, int bitCount, int32_t width, int32_t rows,
                   std::vector<uint16_t>& indices);
