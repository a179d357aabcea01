// Drawing random entries into a page picture: no crash, no read outside the
// file, and nothing written outside the cell's interior (the black lines
// and the other cells stay as they were).
#include <cstdlib>

#include "fuzz/fuzz_entry.h"
#include "imaging/icon_grid_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzImage image;
    if (!MakeFuzzImage(data, size, SearchKind::GalleryIcons, image)) return 0;
    MemorySource source(image.file);
    std::vector<uint8_t> page = BlankPageFile(2, 2);
    const std::vector<uint8_t> blank = page;
    std::vector<uint8_t> bits(page.begin() + 54, page.end());  // exactly the picture's bytes
    PagePixels pixels = PixelsOfPage(bits.data(), bits.size(), 2, 2);
    const int32_t row = static_cast<int8_t>(data[1]) % 3;
    const int32_t column = static_cast<int8_t>(data[2]) % 3;
    for (const FoundImage& entry : image.entries) {
        DrawIconInCell(source, entry, row, column, MakeColorRef(data[3], 1, 2), pixels);
    }
    const int64_t rowBytes = PagePixels::RowBytes(pixels.width);
    for (int32_t y = 0; y < pixels.height; ++y) {
        for (int32_t x = 0; x < pixels.width; ++x) {
            const bool inside = x / 65 == column && y / 65 == row && x % 65 != 0 && y % 65 != 0;
            const size_t at = static_cast<size_t>(rowBytes * (pixels.height - 1 - y) + 3 * x);
            if (!inside && (bits[at] != blank[54 + at] || bits[at + 1] != blank[55 + at] || bits[at + 2] != blank[56 + at])) {
                std::abort();
            }
        }
    }
    return 0;
}
