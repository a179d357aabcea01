#include "tests/e2e/todays_icons.h"

#include <vector>

#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "imaging/png_file.h"
#include "scan/image_scanner.h"
#include "tests/e2e/desktop.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 32-bit icon image: a colour ramp whose alpha grows from 0 at the left to
// 255 at the right; its AND mask all 0.
Bytes Dib32(int width, int height) {
    Bytes image(40, 0);
    PutU32(image, 0, 40);
    PutU32(image, 4, static_cast<uint32_t>(width));
    PutU32(image, 8, static_cast<uint32_t>(2 * height));
    PutU16(image, 12, 1);
    PutU16(image, 14, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.insert(image.end(), {static_cast<uint8_t>(7 * x + 3 * y), static_cast<uint8_t>(5 * y),
                                       static_cast<uint8_t>(200 - x), static_cast<uint8_t>(x * 255 / (width - 1))});
    image.resize(image.size() + static_cast<size_t>((width + 31) / 32 * 4 * height), 0);
    return image;
}

// A PNG icon image: red across, green down, alpha growing along the diagonal.
Bytes Png(int side) {
    RgbaImage picture;
    const uint8_t clear[4] = {0, 0, 0, 0};
    MakeImage(side, side, clear, picture);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            uint8_t* p = picture.At(x, y);
            p[0] = static_cast<uint8_t>(x * 255 / (side - 1));
            p[1] = static_cast<uint8_t>(y * 255 / (side - 1));
            p[2] = 128;
            p[3] = static_cast<uint8_t>((x + y) * 255 / (2 * side - 2));
        }
    Bytes png;
    EncodePng(picture, true, png);
    return png;
}

void Append(std::vector<unsigned char>& file, const Bytes& image) {
    file.insert(file.end(), image.begin(), image.end());
    file.resize(file.size() + 16, 0);
}

}  // namespace

std::string TodaysIconsDll(const char* name, bool withClassic) {
    std::vector<unsigned char> file(64, 0);
    if (withClassic) {
        const std::string sample = Work("sample.exe");
        FileSource source(sample);
        ScanOptions options;
        for (const FoundImage& icon : ScanFile(sample, options).entries) {
            Bytes ico;
            BuildIconFile(source, icon, ico);
            Append(file, Bytes(ico.begin() + kIcoDirectorySize, ico.end()));
        }
    }
    Append(file, Dib32(32, 32));
    Append(file, Dib32(48, 48));
    Append(file, Png(64));
    Append(file, Png(256));
    file.resize(file.size() + 48, 0);
    WriteBytes(Work(name), file);
    return Work(name);
}
