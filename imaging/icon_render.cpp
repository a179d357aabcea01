#include "imaging/icon_render.h"

#include <algorithm>

#include "imaging/bmp_layout.h"
#include "imaging/icon_parts.h"
#include "imaging/icon_pixels.h"
#include "scan/modern_icons.h"

namespace {

uint8_t Red(ColorRef c) { return static_cast<uint8_t>(c); }
uint8_t Green(ColorRef c) { return static_cast<uint8_t>(c >> 8); }
uint8_t Blue(ColorRef c) { return static_cast<uint8_t>(c >> 16); }

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

bool Bit(const uint8_t* row, int64_t x) { return IconParts::Bit(row, x); }

// 1 bit: written as 4 bits per pixel, the value of a pixel being its XOR bit,
// or 2 (the mask colour's entry) when its AND bit is set. Pixels go in pairs;
// a pair whose first pixel is inside the row is written whole.
void RenderMonochrome(const IconParts& p, ColorRef mask, std::vector<uint8_t>& bmp) {
    const int64_t r = 4 * CeilDiv(p.width, 8);
    const int64_t offBits = 54 + 64;
    bmp = BmpFileHeader(static_cast<uint32_t>(offBits + r * p.rows), static_cast<uint32_t>(offBits));
    bmp.resize(static_cast<size_t>(offBits + r * p.rows), 0);
    PutU32(bmp, 14, 40);
    PutU32(bmp, 18, static_cast<uint32_t>(p.width));
    PutU32(bmp, 22, static_cast<uint32_t>(p.rows));
    PutU16(bmp, 26, 1);
    PutU16(bmp, 28, 4);
    PutU32(bmp, 34, static_cast<uint32_t>(r * p.rows));
    std::copy(p.palette, p.palette + 4 * std::min<int64_t>(p.paletteCount, 2), bmp.begin() + 54);
    bmp[54 + 8] = Blue(mask);
    bmp[54 + 9] = Green(mask);
    bmp[54 + 10] = Red(mask);
    for (int64_t y = 0; y < p.rows; ++y) {
        const uint8_t* xorRow = p.xorBits + y * p.xorRow;
        const uint8_t* andRow = p.andBits + y * p.andRow;
        for (int64_t x = 0; x < p.width; x += 2) {
            const int first = Bit(andRow, x) ? 2 : Bit(xorRow, x);
            const int second = Bit(andRow, x + 1) ? 2 : Bit(xorRow, x + 1);
            bmp[static_cast<size_t>(offBits + y * r + x / 2)] = static_cast<uint8_t>(first << 4 | second);
        }
    }
}

// 4, 8 and 24 bits: header, palette and XOR bitmap copied, biHeight and
// biSizeImage set to the XOR bitmap's, then the mask pass.
void RenderColor(const std::vector<uint8_t>& block, const FoundImage& e, const IconParts& p, ColorRef mask,
                 std::vector<uint8_t>& bmp) {
    const int64_t offBits = 54 + 4 * p.paletteCount;
    const int64_t copied = 40 + 4 * p.paletteCount + p.xorBytes;
    bmp = BmpFileHeader(static_cast<uint32_t>(14 + copied), static_cast<uint32_t>(offBits));
    bmp.insert(bmp.end(), block.begin(), block.begin() + copied);
    PutU32(bmp, 22, static_cast<uint32_t>(p.rows));
    PutU32(bmp, 34, static_cast<uint32_t>(p.xorBytes));

    const int64_t usable = std::min<int64_t>(p.paletteCount, e.bitCount == 24 ? 0 : int64_t{1} << e.bitCount);
    const auto index = static_cast<uint8_t>(NearestPaletteIndex(p.palette, static_cast<int>(usable), mask));
    for (int64_t y = 0; y < p.rows; ++y) {
        const uint8_t* andRow = p.andBits + y * p.andRow;
        uint8_t* out = bmp.data() + offBits + y * p.xorRow;
        for (int64_t x = 0; x < p.width; ++x) {
            if (e.bitCount == 4) {
                if (x % 2 != 0) continue;  // pairs, by their first pixel
                const bool first = Bit(andRow, x);
                const bool second = Bit(andRow, x + 1);
                if (!first && !second) continue;
                uint8_t& pair = out[x / 2];
                pair = static_cast<uint8_t>((first ? index << 4 : (pair & 0xF0)) | (second ? index : (pair & 0x0F)));
            } else if (Bit(andRow, x)) {
                if (e.bitCount == 8) {
                    out[x] = index;
                } else {
                    out[3 * x] = Blue(mask);
                    out[3 * x + 1] = Green(mask);
                    out[3 * x + 2] = Red(mask);
                }
            }
        }
    }
}

// 32-bit and PNG images: 24 bits, every pixel blended over the mask colour by
// its alpha (what imgscan render-icon --all-kinds draws).
ImageRead RenderBlended(ByteSource& file, const FoundImage& e, ColorRef mask, std::vector<uint8_t>& bmp) {
    RgbaImage picture;
    const ImageRead read = IconPixels(file, e, picture);
    if (read != ImageRead::Ok) return read;
    FlattenOver(picture, mask);
    const int64_t r = 4 * CeilDiv(3 * int64_t{picture.width}, 4);
    const int64_t bits = r * picture.height;
    bmp = BmpFileHeader(static_cast<uint32_t>(54 + bits), 54);
    bmp.resize(static_cast<size_t>(54 + bits), 0);
    PutU32(bmp, 14, 40);
    PutU32(bmp, 18, static_cast<uint32_t>(picture.width));
    PutU32(bmp, 22, static_cast<uint32_t>(picture.height));
    PutU16(bmp, 26, 1);
    PutU16(bmp, 28, 24);
    PutU32(bmp, 34, static_cast<uint32_t>(bits));
    for (int64_t y = 0; y < picture.height; ++y) {
        uint8_t* out = bmp.data() + 54 + (picture.height - 1 - y) * r;  // bottom-up
        for (int64_t x = 0; x < picture.width; ++x) {
            const uint8_t* rgba = picture.At(x, y);
            out[3 * x] = rgba[2];
            out[3 * x + 1] = rgba[1];
            out[3 * x + 2] = rgba[0];
        }
    }
    return ImageRead::Ok;
}

}  // namespace

int NearestPaletteIndex(const uint8_t* palette, int count, ColorRef color) {
    int best = 0;
    int64_t bestDistance = INT64_MAX;
    for (int i = 0; i < count; ++i) {
        const int64_t db = int64_t{palette[4 * i]} - Blue(color);
        const int64_t dg = int64_t{palette[4 * i + 1]} - Green(color);
        const int64_t dr = int64_t{palette[4 * i + 2]} - Red(color);
        const int64_t distance = db * db + dg * dg + dr * dr;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ImageRead RenderIconDisplayCopy(ByteSource& file, const FoundImage& e, ColorRef maskColor, std::vector<uint8_t>& bmp) {
    if (IsModernIcon(e)) return RenderBlended(file, e, maskColor, bmp);
    std::vector<uint8_t> block;
    const ImageRead read = ReadImageBlock(file, e, block);
    if (read != ImageRead::Ok) return read;
    IconParts parts;
    if (!LocateIconParts(block, e, parts)) return ImageRead::Malformed;
    // The 4-bit copy of a 1-bit icon is up to four times its XOR bitmap.
    if (e.bitCount == 1 && 4 * CeilDiv(parts.width, 8) * parts.rows > INT32_MAX - 118) return ImageRead::Malformed;
    if (e.bitCount == 1) {
        RenderMonochrome(parts, maskColor, bmp);
    } else {
        RenderColor(block, e, parts, maskColor, bmp);
    }
    return ImageRead::Ok;
}
