#pragma once
#include <cstdint>
#include <vector>

#include "imaging/image_block.h"

// The display copy of an icon: a bottom-up BMP file of the icon's XOR bitmap
// in which every pixel whose AND bit is 1 (transparent and reverse pixels
// alike) shows in the mask colour.
//
//   1 bit  -> 4 bits per pixel, palette: the two colours, the mask colour, 13 black; bfOffBits 118
//   4 bits -> 4 bits, the icon's palette; mask pixels get the nearest palette entry; bfOffBits 54 + 4 x colorCount
//   8 bits -> 8 bits, likewise
//   24 bits-> 24 bits, mask pixels get the mask colour exactly; bfOffBits 54
//   32-bit and PNG images -> 24 bits, every pixel blended over the mask colour
//                            by its alpha (IconPixels, FlattenOver); bfOffBits 54
//
// biHeight of the copy is the icon's real height (half its header's).

// A COLORREF: red in the low byte, then green, then blue.
using ColorRef = uint32_t;
constexpr ColorRef MakeColorRef(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 | static_cast<ColorRef>(blue) << 16;
}
constexpr ColorRef kDefaultMaskColor = MakeColorRef(0, 128, 128);  // dark cyan

// The palette entry nearest to `color` among `count` entries (blue, green,
// red, reserved each): smallest squared RGB distance, the first on ties.
// 0 when there are no entries.
int NearestPaletteIndex(const uint8_t* palette, int count, ColorRef color);

// The bytes of the display copy (a whole BMP file) of entry `entry`: icons of
// 1, 4, 8 and 24 bits, 32-bit and PNG icon images (others are Malformed).
ImageRead RenderIconDisplayCopy(ByteSource& file, const FoundImage& entry, ColorRef maskColor, std::vector<uint8_t>& bmp);
