#pragma once
#include <cstddef>
#include <cstdint>

#include "imaging/rgba_image.h"

// One picture of every image a search found, in index order, left to right
// and top to bottom, in cells sized like the galleries': icons 65 x 65 (a
// 64 x 64 interior), bitmaps 193 x 145 (192 x 144), each with a 1-pixel
// black line, white inside. An image larger than the interior is reduced
// (averaging the pixels it covers) to the size the galleries give it; every
// picture is centred in its cell.
struct SheetLayout {
    int32_t pitchX = 65;
    int32_t pitchY = 65;
    int32_t columns = 0;
    int32_t rows = 0;

    int32_t InteriorWidth() const { return pitchX - 1; }
    int32_t InteriorHeight() const { return pitchY - 1; }
    int64_t Width() const { return int64_t{columns} * pitchX + 1; }
    int64_t Height() const { return int64_t{rows} * pitchY + 1; }
};

// At most 16 icon cells or 6 bitmap cells across; no cells for no images.
SheetLayout IconSheetLayout(size_t count);
SheetLayout BitmapSheetLayout(size_t count);

// The lines and white cells; false when the sheet would be larger than
// kMaxPixels or has no cells.
bool BlankSheet(const SheetLayout& layout, RgbaImage& sheet);

// The size `picture` gets in a cell: its own when it fits, else reduced by one
// factor for both sides (no side below 1 pixel).
void FitInCell(const SheetLayout& layout, int32_t width, int32_t height, int32_t& fitWidth, int32_t& fitHeight);

// `picture` as a cell shows it: at FitInCell's size (reduced by averaging the
// pixels it covers when larger) and centred; `left` and `top` are its place
// inside the cell's interior. The icon gallery draws 32-bit and PNG icons so.
struct PlacedPicture {
    RgbaImage picture;
    int32_t left = 0;
    int32_t top = 0;
};
PlacedPicture PlaceInCell(const SheetLayout& layout, const RgbaImage& picture);

// Draws `picture` (opaque: flatten it first) into cell `index`; nothing is
// drawn outside the cell's interior. False for an index beyond the sheet.
bool DrawInCell(const SheetLayout& layout, size_t index, const RgbaImage& picture, RgbaImage& sheet);
