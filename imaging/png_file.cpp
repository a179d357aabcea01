#include "imaging/png_file.h"

#include <cstring>

// The libraries are compiled here, once, for the PNG format only; their own
// code is not held to our warnings.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include "stb_image_write.h"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS (1 << 16)
#include "stb_image.h"
#pragma GCC diagnostic pop

bool MakeImage(int64_t width, int64_t height, const uint8_t rgba[4], RgbaImage& image) {
    image = RgbaImage{};
    if (width <= 0 || height <= 0 || width > kMaxPixels || height > kMaxPixels / width) return false;
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels.resize(static_cast<size_t>(4 * width * height));
    for (size_t i = 0; i < image.pixels.size(); i += 4) std::memcpy(image.pixels.data() + i, rgba, 4);
    return true;
}

namespace {

void Append(void* context, void* data, int size) {
    auto* png = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    png->insert(png->end(), bytes, bytes + size);
}

}  // namespace

bool EncodePng(const RgbaImage& image, bool withAlpha, std::vector<uint8_t>& png) {
    png.clear();
    const int64_t count = int64_t{image.width} * image.height;
    if (image.width <= 0 || image.height <= 0 || count > kMaxPixels ||
        image.pixels.size() != static_cast<size_t>(4 * count)) {
        return false;
    }
    if (withAlpha) {
        return stbi_write_png_to_func(Append, &png, image.width, image.height, 4, image.pixels.data(),
                                      4 * image.width) != 0;
    }
    std::vector<uint8_t> rgb(static_cast<size_t>(3 * count));
    for (int64_t i = 0; i < count; ++i) std::memcpy(rgb.data() + 3 * i, image.pixels.data() + 4 * i, 3);
    return stbi_write_png_to_func(Append, &png, image.width, image.height, 3, rgb.data(), 3 * image.width) != 0;
}

bool DecodePng(const uint8_t* bytes, size_t size, int32_t largestSide, RgbaImage& image) {
    image = RgbaImage{};
    if (size < sizeof kPngSignature || size > INT32_MAX || std::memcmp(bytes, kPngSignature, 8) != 0) return false;
    int width = 0, height = 0, channels = 0;
    const int length = static_cast<int>(size);
    if (!stbi_info_from_memory(bytes, length, &width, &height, &channels) || width < 1 || height < 1 ||
        width > largestSide || height > largestSide || int64_t{width} * height > kMaxPixels) {
        return false;
    }
    stbi_uc* pixels = stbi_load_from_memory(bytes, length, &width, &height, &channels, 4);
    if (pixels == nullptr) return false;
    image.width = width;
    image.height = height;
    image.pixels.assign(pixels, pixels + 4 * static_cast<size_t>(width) * static_cast<size_t>(height));
    stbi_image_free(pixels);
    return true;
}
