#pragma once
#include "scan/found_image.h"

// The rules of the bitmap inspector's palette editor that need no window.

// A bitmap whose palette the editor may change: 1, 4 or 8 bits, with at
// least one and at most 2^bitCount entries (a larger palette, such as an
// 8-bit header declaring 300 colours, is shown and saved as found but never
// edited: the history holds 256 entries).
bool HasEditablePalette(const FoundImage& entry);

// The grid of 16 x 16 palette chips in the rectangle (left, top, right,
// bottom), in pixels. Chip k of a row spans the pixels from
// left + trunc(k x w) up to, not including, left + trunc((k + 1) x w) - 2
// (w = width / 16, real), and the same vertically: exactly the pixels that
// its drawn rectangle covers. The 2-pixel gaps between chips hit nothing.
struct ChipGrid {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct ChipRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded, as for Rectangle
};

// Palette entry `entry` (row entry / 16, column entry % 16).
ChipRect ChipOf(const ChipGrid& grid, int entry);

// The entry hit at (x, y): a chip whose entry lies below `colorCount`, or
// -1 (the gaps, empty places, outside).
int HitChip(const ChipGrid& grid, int x, int y, int colorCount);

// A colour bar's new value (0..255) for a scroll request, numbered as the
// platform's SB_ codes: line 1, page 15, ends 0 and 255, the thumb's
// position as it is; SB_ENDSCROLL and unknown requests keep the value.
enum class ScrollRequest {
    LineLeft = 0, LineRight = 1, PageLeft = 2, PageRight = 3, ThumbPosition = 4, ThumbTrack = 5,
    Left = 6, Right = 7, EndScroll = 8,
};
int NextColorValue(int request, int value, int thumb);
