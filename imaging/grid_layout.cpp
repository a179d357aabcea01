#include "imaging/grid_layout.h"

#include <algorithm>

GridLayout IconGridLayout(int32_t cw, int32_t ch) {
    GridLayout g;
    g.columns = std::max(0, cw / 65 - 1);
    g.rows = std::max(0, (ch - kBarHeight) / 65 - 1);
    g.marginX = (cw - 65 * g.columns) / 2;
    g.marginY = (ch - kBarHeight - 65 * g.rows) / 2;
    return g;
}

GridLayout BitmapGridLayout(int32_t cw, int32_t ch) {
    GridLayout g;
    g.pitchX = 193;
    g.pitchY = 145;
    g.columns = cw / 193;
    if (cw - 193 * g.columns < 41) --g.columns;
    g.rows = (ch - kBarHeight) / 145;
    if ((ch - kBarHeight) - 145 * g.rows < 41) --g.rows;
    g.columns = std::max(0, g.columns);
    g.rows = std::max(0, g.rows);
    g.marginX = (cw - 193 * g.columns) / 2;
    g.marginY = (ch - kBarHeight - 145 * g.rows) / 2;
    return g;
}

PageRange PageEntries(const GridLayout& g, int32_t page, int32_t lastIndex) {
    PageRange range;
    range.first = page * g.CellsPerPage();
    range.last = std::min(range.first + g.CellsPerPage() - 1, lastIndex);
    return range;
}

bool HasNextPage(const GridLayout& g, int32_t page, int32_t lastIndex) {
    return (page + 1) * g.CellsPerPage() - 1 < lastIndex;
}

CellHit CellAt(const GridLayout& g, int32_t page, int32_t lastIndex, int32_t x, int32_t y) {
    CellHit hit;
    if (lastIndex < 0 || g.columns <= 0) return hit;
    const int32_t perPage = g.CellsPerPage();
    const int32_t used = std::min((page + 1) * perPage, lastIndex + 1) - page * perPage;
    const int32_t fullRows = used / g.columns;
    const int32_t rest = used % g.columns;
    const int32_t left = g.Left();
    const int32_t top = g.Top();
    const bool inFullRows = fullRows > 0 && left < x && x < left + g.pitchX * g.columns && top < y &&
                            y < top + g.pitchY * fullRows;
    const bool inLastRow = rest > 0 && left < x && x < left + g.pitchX * rest && top + g.pitchY * fullRows < y &&
                           y < top + g.pitchY * fullRows + g.pitchY;
    if (!inFullRows && !inLastRow) return hit;
    const int32_t column = (x - left) / g.pitchX;
    const int32_t row = (y - top) / g.pitchY;
    hit.frameX = left + g.pitchX * column;
    hit.frameY = top + g.pitchY * row;
    hit.index = column + g.columns * (row + page * g.rows);
    return hit;
}
