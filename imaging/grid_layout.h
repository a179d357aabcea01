#pragma once
#include <cstdint>

// The galleries' grids of equal cells below the 21-pixel button bar: a cell
// is its interior plus a 1-pixel line (icons 65 x 65, bitmaps 193 x 145).
struct GridLayout {
    int32_t pitchX = 65;
    int32_t pitchY = 65;
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t marginX = 0;
    int32_t marginY = 0;  // the grid's top-left corner is at (marginX, marginY + 21)

    int32_t CellsPerPage() const { return columns * rows; }
    int32_t Left() const { return marginX; }
    int32_t Top() const { return marginY + 21; }
};

constexpr int32_t kBarHeight = 21;

// The icon gallery: one cell of margin on each side.
GridLayout IconGridLayout(int32_t clientWidth, int32_t clientHeight);
// The bitmap gallery: as many cells as fit with at least 41 pixels to spare.
GridLayout BitmapGridLayout(int32_t clientWidth, int32_t clientHeight);

// The entries of page `page`: first and last index (last < first when the
// page is empty).
struct PageRange {
    int32_t first = 0;
    int32_t last = -1;
};
PageRange PageEntries(const GridLayout& layout, int32_t page, int32_t lastIndex);
bool HasNextPage(const GridLayout& layout, int32_t page, int32_t lastIndex);

// A click at client (x, y): the table index of the cell in use under it and
// the client position of its selection frame, or index -1.
struct CellHit {
    int32_t index = -1;
    int32_t frameX = 0;
    int32_t frameY = 0;
};
CellHit CellAt(const GridLayout& layout, int32_t page, int32_t lastIndex, int32_t x, int32_t y);
