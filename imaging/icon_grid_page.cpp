#include "imaging/icon_grid_page.h"

#include <algorithm>
#include <cstring>

#include "imaging/bmp_layout.h"
#include "imaging/contact_sheet.h"
#include "imaging/icon_parts.h"
#include "imaging/icon_pixels.h"
#include "scan/modern_icons.h"

namespace {

constexpr int32_t kPitch = 65;
constexpr int32_t kInterior = 64;

uint8_t* PixelAt(PagePixels& page, int32_t x, int32_t yFromTop) {
    return page.bits + PagePixels::RowBytes(page.width) * (page.height - 1 - yFromTop) + 3 * int64_t{x};
}

void SetPixel(PagePixels& page, int32_t x, int32_t y, uint8_t blue, uint8_t green, uint8_t red) {
    uint8_t* p = PixelAt(page, x, y);
    p[0] = blue;
    p[1] = green;
    p[2] = red;
}

// A 32-bit or PNG icon image, as the contact sheet draws it: blended over the
// mask colour by its alpha, reduced to the cell when larger, centred.
bool DrawBlendedIconInCell(ByteSource& file, const FoundImage& entry, int32_t row, int32_t column, ColorRef maskColor,
                           PagePixels& page) {
    RgbaImage picture;
    if (IconPixels(file, entry, picture) != ImageRead::Ok) return false;
    FlattenOver(picture, maskColor);
    const PlacedPicture placed = PlaceInCell(SheetLayout{}, picture);  // the icon cell: 64 x 64 inside
    const int32_t left = column * kPitch + 1 + placed.left;
    const int32_t top = row * kPitch + 1 + placed.top;
    for (int32_t y = 0; y < placed.picture.height; ++y) {
        for (int32_t x = 0; x < placed.picture.width; ++x) {
            const uint8_t* rgba = placed.picture.At(x, y);
            SetPixel(page, left + x, top + y, rgba[2], rgba[1], rgba[0]);
        }
    }
    return true;
}

}  // namespace

std::vector<uint8_t> BlankPageFile(int32_t columns, int32_t rows) {
    const int32_t width = columns * kPitch + 1;
    const int32_t height = rows * kPitch + 1;
    const int64_t bitsSize = PagePixels::RowBytes(width) * height;
    std::vector<uint8_t> file = BmpFileHeader(static_cast<uint32_t>(bitsSize + 54), 54);
    file.resize(static_cast<size_t>(54 + bitsSize), 0);
    PutU32(file, 14, 40);
    PutU32(file, 18, static_cast<uint32_t>(width));
    PutU32(file, 22, static_cast<uint32_t>(height));
    PutU16(file, 26, 1);
    PutU16(file, 28, 24);
    PutU32(file, 34, static_cast<uint32_t>(bitsSize));
    PagePixels page = PixelsOfPage(file.data() + 54, file.size() - 54, columns, rows);
    WhitenCells(page);
    return file;
}

PagePixels PixelsOfPage(uint8_t* bits, size_t size, int32_t columns, int32_t rows) {
    PagePixels page;
    page.width = columns * kPitch + 1;
    page.height = rows * kPitch + 1;
    if (columns <= 0 || rows <= 0 || PagePixels::RowBytes(page.width) * page.height > static_cast<int64_t>(size)) {
        return PagePixels{};  // no picture: nothing is ever drawn
    }
    page.bits = bits;
    page.size = size;
    return page;
}

void WhitenCells(PagePixels& page) {
    if (page.bits == nullptr) return;
    for (int32_t y = 0; y < page.height; ++y) {
        if (y % kPitch == 0) continue;  // a line
        for (int32_t x = 1; x < page.width; x += kPitch) std::memset(PixelAt(page, x, y), 255, 3 * kInterior);
    }
}

bool DrawIconInCell(ByteSource& file, const FoundImage& entry, int32_t row, int32_t column, ColorRef maskColor,
                    PagePixels& page) {
    if (page.bits == nullptr || row < 0 || column < 0 || column >= (page.width - 1) / kPitch ||
        row >= (page.height - 1) / kPitch) {
        return false;
    }
    if (IsModernIcon(entry)) return DrawBlendedIconInCell(file, entry, row, column, maskColor, page);
    std::vector<uint8_t> block;
    IconParts icon;
    if (ReadImageBlock(file, entry, block) != ImageRead::Ok || !LocateIconParts(block, entry, icon)) return false;

    // The icon is centred in the cell; whatever would fall outside it is cut.
    const int64_t cellLeft = int64_t{column} * kPitch + 1;
    const int64_t cellTop = int64_t{row} * kPitch + 1;
    const int64_t x0 = int64_t{column} * kPitch + 33 - icon.width / 2;
    const int64_t y0 = int64_t{row} * kPitch + 33 - icon.rows / 2;
    const int64_t xFrom = std::max<int64_t>(0, cellLeft - x0);
    const int64_t xTo = std::min<int64_t>(icon.width, cellLeft + kInterior - x0);
    const uint8_t mask[3] = {static_cast<uint8_t>(maskColor >> 16), static_cast<uint8_t>(maskColor >> 8),
                             static_cast<uint8_t>(maskColor)};
    for (int64_t r = 0; r < icon.rows; ++r) {
        const int64_t y = y0 + icon.rows - 1 - r;
        if (y < cellTop || y >= cellTop + kInterior) continue;
        for (int64_t x = xFrom; x < xTo; ++x) {
            uint8_t bgr[4];
            if (icon.Masked(r, x)) {
                std::memcpy(bgr, mask, 3);
            } else {
                icon.ColorAt(r, x, bgr);
            }
            SetPixel(page, static_cast<int32_t>(x0 + x), static_cast<int32_t>(y), bgr[0], bgr[1], bgr[2]);
        }
    }
    return true;
}
