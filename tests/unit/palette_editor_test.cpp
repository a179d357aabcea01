// The palette editor's rules without a window: which chip a click hits, what
// a scroll request does to a colour value, which bitmaps may be edited.
#include <gtest/gtest.h>

#include "imaging/palette_editor_rules.h"

namespace {

// The chip rectangle of the editor at a common dialog-unit scale (not a
// multiple of 16 pixels: the chips are 14 or 15 pixels apart).
constexpr ChipGrid kGrid{15, 309, 241, 471};

TEST(PaletteChips, AClickHitsExactlyThePixelsItsChipIsDrawnOn) {
    int hits[256] = {};
    for (int y = kGrid.top - 3; y < kGrid.bottom + 3; ++y)
        for (int x = kGrid.left - 3; x < kGrid.right + 3; ++x) {
            const int entry = HitChip(kGrid, x, y, 256);
            if (entry < 0) continue;
            const ChipRect chip = ChipOf(kGrid, entry);
            ASSERT_TRUE(x >= chip.left && x < chip.right && y >= chip.top && y < chip.bottom) << x << "," << y;
            ++hits[entry];
        }
    for (int entry = 0; entry < 256; ++entry) {
        const ChipRect chip = ChipOf(kGrid, entry);
        EXPECT_EQ(hits[entry], (chip.right - chip.left) * (chip.bottom - chip.top)) << entry;
    }
    // Between two chips lie two pixels that hit nothing.
    const ChipRect first = ChipOf(kGrid, 0), second = ChipOf(kGrid, 1);
    EXPECT_EQ(second.left - first.right, 2);
    EXPECT_EQ(HitChip(kGrid, first.right, first.top, 256), -1);
    EXPECT_EQ(HitChip(kGrid, first.right + 1, first.top, 256), -1);
    EXPECT_EQ(HitChip(kGrid, second.left, first.top, 256), 1);
    // Row r, column k is entry 16 r + k; the grid spans the whole rectangle.
    EXPECT_EQ(HitChip(kGrid, ChipOf(kGrid, 37).left, ChipOf(kGrid, 37).top, 256), 37);
    EXPECT_EQ(ChipOf(kGrid, 0).left, kGrid.left);
    EXPECT_EQ(ChipOf(kGrid, 255).right, kGrid.right - 2);
    EXPECT_EQ(ChipOf(kGrid, 255).bottom, kGrid.bottom - 2);
}

TEST(PaletteChips, OnlyEntriesOfThePaletteAreChips) {
    const ChipRect second = ChipOf(kGrid, 1), third = ChipOf(kGrid, 2), row = ChipOf(kGrid, 16);
    EXPECT_EQ(HitChip(kGrid, second.left, second.top, 2), 1);
    EXPECT_EQ(HitChip(kGrid, third.left, third.top, 2), -1);  // a 2-colour bitmap has two chips
    EXPECT_EQ(HitChip(kGrid, row.left, row.top, 16), -1);
    EXPECT_EQ(HitChip(kGrid, row.left, row.top, 17), 16);
    EXPECT_EQ(HitChip(ChipGrid{10, 10, 10, 10}, 10, 10, 256), -1);  // an empty grid hits nothing
}

TEST(PaletteBars, EachScrollRequestMovesTheValueWithinZeroTo255) {
    auto next = [](ScrollRequest request, int value, int thumb = 0) {
        return NextColorValue(static_cast<int>(request), value, thumb);
    };
    EXPECT_EQ(next(ScrollRequest::LineLeft, 255), 254);
    EXPECT_EQ(next(ScrollRequest::LineLeft, 0), 0);
    EXPECT_EQ(next(ScrollRequest::LineRight, 255), 255);
    EXPECT_EQ(next(ScrollRequest::PageRight, 250), 255);
    EXPECT_EQ(next(ScrollRequest::PageLeft, 10), 0);
    EXPECT_EQ(next(ScrollRequest::PageLeft, 255), 240);
    EXPECT_EQ(next(ScrollRequest::Left, 99), 0);
    EXPECT_EQ(next(ScrollRequest::Right, 99), 255);
    EXPECT_EQ(next(ScrollRequest::ThumbTrack, 99, 17), 17);
    EXPECT_EQ(next(ScrollRequest::ThumbPosition, 99, 300), 255);
    EXPECT_EQ(next(ScrollRequest::EndScroll, 99, 17), 99);
    EXPECT_EQ(NextColorValue(42, 99, 17), 99);  // a request the bars do not send
}

FoundImage Bitmap(int bitCount, int colorCount) {
    FoundImage e;
    e.bitCount = bitCount;
    e.colorCount = colorCount;
    return e;
}

TEST(PaletteEditing, OnlyPalettesThatTheBitCountCanUseAreEdited) {
    EXPECT_TRUE(HasEditablePalette(Bitmap(1, 2)));
    EXPECT_TRUE(HasEditablePalette(Bitmap(4, 16)));
    EXPECT_TRUE(HasEditablePalette(Bitmap(8, 100)));
    EXPECT_TRUE(HasEditablePalette(Bitmap(8, 256)));
    EXPECT_FALSE(HasEditablePalette(Bitmap(8, 300)));  // beyond the history's 256 entries
    EXPECT_FALSE(HasEditablePalette(Bitmap(4, 17)));
    EXPECT_FALSE(HasEditablePalette(Bitmap(24, 0)));
    EXPECT_FALSE(HasEditablePalette(Bitmap(24, 256)));
    EXPECT_FALSE(HasEditablePalette(Bitmap(8, -1)));
}

}  // namespace
