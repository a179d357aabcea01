#include "imaging/palette_editor_rules.h"

#include <algorithm>

namespace {

constexpr int kSide = 16;

// left + trunc(k x span / 16), computed exactly in integers.
int Edge(int start, int span, int k) { return start + static_cast<int>(static_cast<long long>(k) * span / kSide); }

// The chip index along one side at position p, or -1 in a gap or outside.
int Along(int start, int end, int p) {
    const int span = end - start;
    if (span <= 0 || p < start) return -1;
    for (int k = 0; k < kSide; ++k)
        if (p >= Edge(start, span, k) && p < Edge(start, span, k + 1) - 2) return k;
    return -1;
}

}  // namespace

bool HasEditablePalette(const FoundImage& entry) {
    if (entry.bitCount != 1 && entry.bitCount != 4 && entry.bitCount != 8) return false;
    return entry.colorCount >= 1 && entry.colorCount <= (1 << entry.bitCount);
}

ChipRect ChipOf(const ChipGrid& grid, int entry) {
    const int row = entry / kSide, column = entry % kSide;
    const int width = grid.right - grid.left, height = grid.bottom - grid.top;
    return {Edge(grid.left, width, column), Edge(grid.top, height, row), Edge(grid.left, width, column + 1) - 2,
            Edge(grid.top, height, row + 1) - 2};
}

int HitChip(const ChipGrid& grid, int x, int y, int colorCount) {
    const int column = Along(grid.left, grid.right, x), row = Along(grid.top, grid.bottom, y);
    if (column < 0 || row < 0) return -1;
    const int entry = row * kSide + column;
    return entry < colorCount ? entry : -1;
}

int NextColorValue(int request, int value, int thumb) {
    switch (static_cast<ScrollRequest>(request)) {
        case ScrollRequest::LineLeft: return std::max(value - 1, 0);
        case ScrollRequest::LineRight: return std::min(value + 1, 255);
        case ScrollRequest::PageLeft: return std::max(value - 15, 0);
        case ScrollRequest::PageRight: return std::min(value + 15, 255);
        case ScrollRequest::Left: return 0;
        case ScrollRequest::Right: return 255;
        case ScrollRequest::ThumbPosition:
        case ScrollRequest::ThumbTrack: return std::clamp(thumb, 0, 255);
        default: return value;
    }
}
