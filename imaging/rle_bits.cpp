#include "imaging/rle_bits.h"

#include <algorithm>

#include "imaging/rgba_image.h"

namespace {

// Where the next pixel goes, and the picture it goes into.
struct Cursor {
    std::vector<uint16_t>& indices;
    int64_t width;
    int64_t rows;
    int64_t x = 0;
    int64_t y = 0;

    bool Done() const { return y >= rows; }
    // Pixel `value` at x, moving on; nothing is written outside the row.
    void Put(uint16_t value) {
        if (x < width && y < rows) indices[static_cast<size_t>(y * width + x)] = value;
        ++x;
    }
};

uint8_t Nibble(uint8_t byte, int64_t k) { return k % 2 == 0 ? byte >> 4 : byte & 0x0F; }

}  // namespace

bool ExpandRleBits(const uint8_t* bits, size_t size, int bitCount, int32_t width, int32_t rows,
                   std::vector<uint16_t>& indices) {
    indices.clear();
    if ((bitCount != 4 && bitCount != 8) || width <= 0 || rows <= 0 || int64_t{width} * rows > kMaxPixels) {
        return false;
    }
    indices.assign(static_cast<size_t>(int64_t{width} * rows), kUnsetPixel);
    Cursor at{indices, width, rows};
    size_t i = 0;
    while (i + 2 <= size && !at.Done()) {
        const uint8_t count = bits[i];
        const uint8_t value = bits[i + 1];
        i += 2;
        if (count > 0) {
            // A run: one index, or two alternating nibbles. Only the part
            // inside the row is walked; the rest just moves x on.
            const int64_t inside = std::clamp<int64_t>(at.width - at.x, 0, count);
            for (int64_t k = 0; k < inside; ++k) at.Put(bitCount == 8 ? value : Nibble(value, k));
            at.x += count - inside;
            continue;
        }
        switch (value) {
            case 0:  // end of line
                at.x = 0;
                ++at.y;
                break;
            case 1:  // end of bitmap
                return true;
            case 2:  // delta: right and up
                if (i + 2 > size) return true;
                at.x += bits[i];
                at.y += bits[i + 1];
                i += 2;
                break;
            default: {  // `value` pixels stored as they are, padded to 16 bits
                const size_t bytes = bitCount == 8 ? value : (value + 1u) / 2;
                const size_t available = std::min(bytes, size - i);
                const int64_t pixels = bitCount == 8 ? int64_t(available) : std::min<int64_t>(value, 2 * int64_t(available));
                const int64_t inside = std::clamp<int64_t>(at.width - at.x, 0, pixels);
                for (int64_t k = 0; k < inside; ++k) {
                    at.Put(bitCount == 8 ? bits[i + static_cast<size_t>(k)] : Nibble(bits[i + static_cast<size_t>(k / 2)], k));
                }
                at.x += pixels - inside;
                if (available < bytes) return true;
                i += bytes + bytes % 2;
                break;
            }
        }
    }
    return true;
}
