#include "imaging/contact_sheet.h"

#include <algorithm>
#include <cstring>

#include "imaging/thumbnail.h"

namespace {

SheetLayout LayoutFor(size_t count, int32_t pitchX, int32_t pitchY, size_t across) {
    SheetLayout layout;
    layout.pitchX = pitchX;
    layout.pitchY = pitchY;
    if (count == 0) return layout;
    const size_t columns = std::min(count, across);
    const size_t rows = (count + columns - 1) / columns;
    if (rows > static_cast<size_t>(kMaxPixels / pitchY)) return layout;  // refused by BlankSheet
    layout.columns = static_cast<int32_t>(columns);
    layout.rows = static_cast<int32_t>(rows);
    return layout;
}

// The average of the source pixels that fall on each target pixel: every
// source pixel is read once.
RgbaImage Reduce(const RgbaImage& source, int32_t width, int32_t height) {
    RgbaImage target;
    const uint8_t clear[4] = {0, 0, 0, 0};
    MakeImage(width, height, clear, target);
    std::vector<uint64_t> sums(static_cast<size_t>(4 * int64_t{width} * height), 0);
    std::vector<uint64_t> counts(static_cast<size_t>(int64_t{width} * height), 0);
    for (int64_t y = 0; y < source.height; ++y) {
        const int64_t ty = y * height / source.height;
        for (int64_t x = 0; x < source.width; ++x) {
            const size_t t = static_cast<size_t>(ty * width + x * width / source.width);
            const uint8_t* p = source.At(x, y);
            for (int c = 0; c < 4; ++c) sums[4 * t + c] += p[c];
            ++counts[t];
        }
    }
    for (size_t t = 0; t < counts.size(); ++t) {
        for (int c = 0; c < 4; ++c) {
            target.pixels[4 * t + c] = static_cast<uint8_t>(counts[t] ? (sums[4 * t + c] + counts[t] / 2) / counts[t] : 0);
        }
    }
    return target;
}

}  // namespace

SheetLayout IconSheetLayout(size_t count) { return LayoutFor(count, 65, 65, 16); }
SheetLayout BitmapSheetLayout(size_t count) { return LayoutFor(count, kThumbWidth + 1, kThumbHeight + 1, 6); }

bool BlankSheet(const SheetLayout& layout, RgbaImage& sheet) {
    const uint8_t black[4] = {0, 0, 0, 255};
    if (layout.columns <= 0 || layout.rows <= 0 || !MakeImage(layout.Width(), layout.Height(), black, sheet)) return false;
    for (int64_t y = 0; y < sheet.height; ++y) {
        if (y % layout.pitchY == 0) continue;
        for (int64_t x = 1; x < sheet.width; x += layout.pitchX) {
            std::memset(sheet.At(x, y), 255, 4 * static_cast<size_t>(layout.InteriorWidth()));
        }
    }
    return true;
}

void FitInCell(const SheetLayout& layout, int32_t width, int32_t height, int32_t& fitWidth, int32_t& fitHeight) {
    const double w = width, h = height;
    const double across = layout.InteriorWidth(), down = layout.InteriorHeight();
    fitWidth = width;
    fitHeight = height;
    if (w <= across && h <= down) return;
    const double s = std::max(w / across, h / down);
    fitWidth = std::clamp(static_cast<int32_t>(w / s), 1, layout.InteriorWidth());
    fitHeight = std::clamp(static_cast<int32_t>(h / s), 1, layout.InteriorHeight());
}

PlacedPicture PlaceInCell(const SheetLayout& layout, const RgbaImage& picture) {
    PlacedPicture placed;
    int32_t width = 0, height = 0;
    FitInCell(layout, picture.width, picture.height, width, height);
    placed.picture = width == picture.width && height == picture.height ? picture : Reduce(picture, width, height);
    placed.left = (layout.InteriorWidth() - width) / 2;
    placed.top = (layout.InteriorHeight() - height) / 2;
    return placed;
}

bool DrawInCell(const SheetLayout& layout, size_t index, const RgbaImage& picture, RgbaImage& sheet) {
    if (layout.columns <= 0 || index >= static_cast<size_t>(layout.columns) * static_cast<size_t>(layout.rows) ||
        picture.width <= 0 || picture.height <= 0 || sheet.width != layout.Width() || sheet.height != layout.Height()) {
        return false;
    }
    const PlacedPicture placed = PlaceInCell(layout, picture);
    const RgbaImage& shown = placed.picture;
    const int64_t left = int64_t(index % layout.columns) * layout.pitchX + 1 + placed.left;
    const int64_t top = int64_t(index / layout.columns) * layout.pitchY + 1 + placed.top;
    for (int64_t y = 0; y < shown.height; ++y) {
        std::memcpy(sheet.At(left, top + y), shown.At(0, y), 4 * static_cast<size_t>(shown.width));
    }
    return true;
}
