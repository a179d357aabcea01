// The galleries: grid layouts, the icon page picture, thumbnails.
#include <gtest/gtest.h>

#include "imaging/grid_layout.h"
#include "imaging/icon_grid_page.h"
#include "imaging/thumbnail.h"
#include "tests/unit/icon_samples.h"

namespace {

constexpr ColorRef kMask = MakeColorRef(0, 128, 128);

struct Page {
    Bytes file;
    PagePixels pixels;
    Page(int32_t columns, int32_t rows) : file(BlankPageFile(columns, rows)) {
        pixels = PixelsOfPage(file.data() + 54, file.size() - 54, columns, rows);
    }
    // Blue, green, red of pixel (x, y), y from the top.
    Bytes At(int32_t x, int32_t y) const {
        const size_t at = 54 + PagePixels::RowBytes(pixels.width) * (pixels.height - 1 - y) + 3 * x;
        return Bytes(file.begin() + at, file.begin() + at + 3);
    }
};

const Bytes kWhite = {255, 255, 255};
const Bytes kBlack = {0, 0, 0};

TEST(IconPage, BlankPageHasBlackLinesAndWhiteCells) {
    Page page(2, 3);
    EXPECT_EQ(page.pixels.width, 131);
    EXPECT_EQ(page.pixels.height, 196);
    EXPECT_EQ(Get32(page.file, 2), 54u + (3 * 131 + 3) * 196u);
    EXPECT_EQ(Get32(page.file, 10), 54u);
    EXPECT_EQ(Get32(page.file, 34), (3u * 131 + 3) * 196u);
    EXPECT_EQ(page.file[28], 24);
    EXPECT_EQ(page.At(0, 0), kBlack);
    EXPECT_EQ(page.At(65, 30), kBlack);
    EXPECT_EQ(page.At(30, 130), kBlack);
    EXPECT_EQ(page.At(1, 1), kWhite);
    EXPECT_EQ(page.At(64, 64), kWhite);
    EXPECT_EQ(page.At(130, 195), kBlack);
}

// The columns of a cell (from its left line) that an icon of this size covers.
std::pair<int, int> CoveredColumns(int32_t size) {
    IconSample sample(size, size, 24);  // all black pixels, no mask
    Page page(2, 1);
    MemorySource source(sample.file);
    EXPECT_TRUE(DrawIconInCell(source, sample.entry, 0, 1, kMask, page.pixels));
    int first = -1, last = -1;
    for (int x = 66; x < 130; ++x) {
        if (page.At(x, 33) == kBlack) {
            if (first < 0) first = x - 65;
            last = x - 65;
        }
    }
    return {first, last};
}

TEST(IconPage, IconsAreCentredInTheirCell) {
    EXPECT_EQ(CoveredColumns(32), std::make_pair(17, 48));
    EXPECT_EQ(CoveredColumns(16), std::make_pair(25, 40));
    EXPECT_EQ(CoveredColumns(64), std::make_pair(1, 64));
}

TEST(IconPage, ColoursMaskAndRowOrder) {
    IconSample sample(2, 2, 4);
    sample.SetColor(1, 200, 0, 0);
    sample.SetColor(2, 0, 200, 0);
    sample.SetXorByte(0, 0, 0x12);  // bottom row: red, green
    sample.SetXorByte(1, 0, 0x2F);  // top row: green, index 15 beyond... a full palette: black
    sample.SetAnd(1, 0);            // bottom-right pixel masked although it is green
    Page page(1, 1);
    MemorySource source(sample.file);
    ASSERT_TRUE(DrawIconInCell(source, sample.entry, 0, 0, kMask, page.pixels));
    // x0 = 33 - 1 = 32, y0 = 33 - 1 = 32; the top row of the icon is the file's last.
    EXPECT_EQ(page.At(32, 32), Bytes({0, 200, 0}));
    EXPECT_EQ(page.At(33, 32), kBlack);
    EXPECT_EQ(page.At(32, 33), Bytes({0, 0, 200}));
    EXPECT_EQ(page.At(33, 33), Bytes({128, 128, 0}));
    EXPECT_EQ(page.At(34, 33), kWhite);
}

TEST(IconPage, PaletteIndexBeyondColourCountShowsBlack) {
    InfoHeader h;  // a 2 x 2 four-bit icon with only two palette entries
    h.width = 2;
    h.height = 4;
    h.sizeImage = 16;
    h.clrUsed = 2;
    Bytes file(100, 0);
    Place(file, 100, HeaderBytes(h));
    file.resize(100 + 40 + 8 + 16 + 16, 0);
    file[140] = file[141] = file[142] = 90;  // entry 0 grey
    file[148] = 0x0F;                       // bottom row: grey, index 15
    const ScanResult scan = Scan(file, SearchKind::Icons);
    ASSERT_EQ(scan.entries.size(), 1u);
    ASSERT_EQ(scan.entries[0].colorCount, 2);
    MemorySource source(file);
    Page page(1, 1);
    ASSERT_TRUE(DrawIconInCell(source, scan.entries[0], 0, 0, kMask, page.pixels));
    EXPECT_EQ(page.At(32, 33), Bytes({90, 90, 90}));
    EXPECT_EQ(page.At(33, 33), kBlack);
}

TEST(IconPage, RedrawWhitensCellsButKeepsLines) {
    IconSample sample(64, 64, 8);
    Page page(1, 1);
    MemorySource source(sample.file);
    ASSERT_TRUE(DrawIconInCell(source, sample.entry, 0, 0, kMask, page.pixels));
    EXPECT_EQ(page.At(1, 1), kBlack);
    WhitenCells(page.pixels);
    EXPECT_EQ(page.At(1, 1), kWhite);
    EXPECT_EQ(page.At(0, 1), kBlack);
    EXPECT_EQ(page.file, BlankPageFile(1, 1));
}

TEST(IconPage, NothingIsDrawnOutsideTheCellOrThePicture) {
    IconSample sample(96, 96, 1);  // larger than a cell
    Page page(2, 2);
    MemorySource source(sample.file);
    ASSERT_TRUE(DrawIconInCell(source, sample.entry, 1, 1, kMask, page.pixels));
    EXPECT_EQ(page.At(65, 70), kBlack);   // the line left of the cell
    EXPECT_EQ(page.At(64, 70), kWhite);   // the cell beyond it
    EXPECT_EQ(page.At(70, 65), kBlack);
    EXPECT_EQ(page.At(70, 64), kWhite);
    EXPECT_FALSE(DrawIconInCell(source, sample.entry, 2, 0, kMask, page.pixels));  // no such cell
}

TEST(GridLayout, IconAndBitmapGalleries) {
    const GridLayout icons = IconGridLayout(800, 600);
    EXPECT_EQ(icons.columns, 11);
    EXPECT_EQ(icons.rows, 7);
    EXPECT_EQ(icons.marginX, (800 - 715) / 2);
    EXPECT_EQ(icons.marginY, (579 - 455) / 2);
    const GridLayout bitmaps = BitmapGridLayout(1000, 700);
    EXPECT_EQ(bitmaps.columns, 4);  // 1000 div 193 is 5, but 35 pixels are left
    EXPECT_EQ(bitmaps.rows, 4);
    EXPECT_EQ(bitmaps.marginX, (1000 - 772) / 2);
}

TEST(GridLayout, PagesAndClicks) {
    GridLayout g = IconGridLayout(800, 600);  // 77 cells a page
    EXPECT_EQ(PageEntries(g, 1, 100).first, 77);
    EXPECT_EQ(PageEntries(g, 1, 100).last, 100);
    EXPECT_TRUE(HasNextPage(g, 0, 77));
    EXPECT_FALSE(HasNextPage(g, 0, 76));
    // Page 1 holds 24 entries: two full rows of 11 and 2 cells of a third.
    const int32_t left = g.Left(), top = g.Top();
    CellHit hit = CellAt(g, 1, 100, left + 65 + 10, top + 65 + 10);
    EXPECT_EQ(hit.index, 77 + 12);
    EXPECT_EQ(hit.frameX, left + 65);
    EXPECT_EQ(hit.frameY, top + 65);
    EXPECT_EQ(CellAt(g, 1, 100, left + 65 + 10, top + 130 + 10).index, 77 + 23);
    EXPECT_EQ(CellAt(g, 1, 100, left + 130 + 10, top + 130 + 10).index, -1);  // an empty cell
    EXPECT_EQ(CellAt(g, 1, 100, left, top + 10).index, -1);                   // on the line
    EXPECT_EQ(CellAt(g, 0, -1, left + 10, top + 10).index, -1);
}

TEST(Thumbnails, SizesFactorsAndLabels) {
    Thumbnail t = ThumbnailSize(384, 288);
    EXPECT_EQ(t.width, 192);
    EXPECT_EQ(t.height, 144);
    EXPECT_DOUBLE_EQ(t.scale, 2.0);
    EXPECT_FALSE(HasScaleLabel(t));

    t = ThumbnailSize(1000, 20);
    EXPECT_EQ(t.width, 192);
    EXPECT_EQ(t.height, 3);
    EXPECT_DOUBLE_EQ(t.scale, 20.0 / 3.0);
    EXPECT_TRUE(HasScaleLabel(t));
    EXPECT_EQ(ScaleLabel(t), "1/6.7");

    t = ThumbnailSize(100, 50);
    EXPECT_EQ(t.width, 100);
    EXPECT_EQ(t.height, 50);
    EXPECT_FALSE(HasScaleLabel(t));

    t = ThumbnailSize(100, -50);  // top-down
    EXPECT_EQ(t.height, 50);
}

TEST(Thumbnails, SideOfZeroIsKeptAtOnePixel) {
    const Thumbnail t = ThumbnailSize(10000, 2);
    EXPECT_EQ(t.width, 192);
    EXPECT_EQ(t.height, 1);
    EXPECT_DOUBLE_EQ(t.scale, 10000.0 / 192.0);
    EXPECT_EQ(ScaleLabel(t), "1/52.1");
    EXPECT_EQ(ThumbnailSize(3, 5000).width, 1);
}

}  // namespace
