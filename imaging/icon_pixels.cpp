#include "imaging/icon_pixels.h"

#include "imaging/icon_parts.h"
#include "imaging/png_file.h"

namespace {

bool AnyAlpha(const IconParts& icon) {
    if (icon.bitCount != 32) return false;
    for (int64_t y = 0; y < icon.rows; ++y) {
        const uint8_t* row = icon.xorBits + y * icon.xorRow;
        for (int64_t x = 0; x < icon.width; ++x) {
            if (row[4 * x + 3] != 0) return true;
        }
    }
    return false;
}

}  // namespace

ImageRead IconPixels(ByteSource& file, const FoundImage& entry, RgbaImage& image) {
    image = RgbaImage{};
    std::vector<uint8_t> block;
    const ImageRead read = ReadImageBlock(file, entry, block);
    if (read != ImageRead::Ok) return read;
    if (entry.format == ImageFormat::Png) {
        return DecodeIconPng(block.data(), block.size(), image) ? ImageRead::Ok : ImageRead::Malformed;
    }
    IconParts icon;
    const uint8_t clear[4] = {0, 0, 0, 0};
    if (!LocateIconParts(block, entry, icon) || !MakeImage(icon.width, icon.rows, clear, image)) {
        return ImageRead::Malformed;
    }
    const bool alpha = AnyAlpha(icon);
    for (int64_t y = 0; y < icon.rows; ++y) {
        for (int64_t x = 0; x < icon.width; ++x) {
            uint8_t bgra[4];
            icon.ColorAt(y, x, bgra);
            uint8_t* out = image.At(x, icon.rows - 1 - y);  // stored bottom-up
            out[0] = bgra[2];
            out[1] = bgra[1];
            out[2] = bgra[0];
            out[3] = alpha ? bgra[3] : icon.Masked(y, x) ? 0 : 255;
        }
    }
    return ImageRead::Ok;
}

void FlattenOver(RgbaImage& image, ColorRef background) {
    const uint8_t under[3] = {static_cast<uint8_t>(background), static_cast<uint8_t>(background >> 8),
                              static_cast<uint8_t>(background >> 16)};
    for (size_t i = 0; i < image.pixels.size(); i += 4) {
        const unsigned a = image.pixels[i + 3];
        for (int c = 0; c < 3; ++c) {
            image.pixels[i + c] = static_cast<uint8_t>((image.pixels[i + c] * a + under[c] * (255 - a) + 127) / 255);
        }
        image.pixels[i + 3] = 255;
    }
}
