// imgscan's PNG pictures: bitmaps of every bit count (RLE expanded), icon
// display copies and transparency, contact sheets; each PNG decoded back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/write_commands.h"
#include "tests/unit/command_folder.h"
#include "imaging/contact_sheet.h"
#include "imaging/png_file.h"
#include "imaging/rle_bits.h"
#include "tests/unit/icon_samples.h"

namespace {

namespace fs = std::filesystem;

struct Rgba {
    uint8_t r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
std::ostream& operator<<(std::ostream& os, const Rgba& c) {
    return os << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a);
}

class Pictures : public CommandFolder {
protected:
    Pictures() : CommandFolder("imgscan_png") {}
    // Runs the command and decodes the PNG it wrote.
    RgbaImage Picture(const std::string& command, const std::vector<std::string>& words, const std::string& png) {
        EXPECT_EQ(Run(command, words), 0) << err_.str();
        const Bytes bytes = Read(png);
        RgbaImage image;
        EXPECT_TRUE(DecodePng(bytes.data(), bytes.size(), 4096, image)) << png;
        return image;
    }
    static Rgba At(const RgbaImage& image, int x, int y) {
        const uint8_t* p = image.At(x, y);
        return {p[0], p[1], p[2], p[3]};
    }
};

// A bitmap with palette entry i = (i, 2i, 255 - i), its bits given (bottom-up rows).
Bytes PaletteBitmap(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression, const Bytes& bits) {
    const int colours = bitCount == 24 ? 0 : 1 << bitCount;
    Bytes image = HeaderBytes({width, height, bitCount, compression, static_cast<int32_t>(bits.size()), 0, 0, 0});
    for (int i = 0; i < colours; ++i) {
        image.insert(image.end(), {static_cast<uint8_t>(255 - i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(i), 0});
    }
    image.insert(image.end(), bits.begin(), bits.end());
    Bytes file(64, 0);
    Place(file, 64, image);
    file.resize(file.size() + 64, 0);
    return file;
}

Rgba Entry(int i) { return {static_cast<uint8_t>(i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(255 - i), 255}; }

TEST_F(Pictures, RenderBitmapDecodesEveryBitCountTopRowFirst) {
    // 3 x 2 pixels; the stored bottom row comes last in the picture.
    const struct {
        uint16_t bits;
        Bytes data;
        std::vector<Rgba> topRow, bottomRow;
    } cases[] = {
        {1, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}, {Entry(0), Entry(1), Entry(0)}, {Entry(1), Entry(0), Entry(1)}},
        {4, {0x12, 0x30, 0, 0, 0xF0, 0x70, 0, 0}, {Entry(15), Entry(0), Entry(7)}, {Entry(1), Entry(2), Entry(3)}},
        {8, {9, 200, 255, 0, 1, 2, 3, 0}, {Entry(1), Entry(2), Entry(3)}, {Entry(9), Entry(200), Entry(255)}},
        {24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0},
         {{30, 20, 10, 255}, {60, 50, 40, 255}, {90, 80, 70, 255}}, {{3, 2, 1, 255}, {6, 5, 4, 255}, {9, 8, 7, 255}}},
    };
    for (const auto& c : cases) {
        const std::string dll = Write("b.dll", PaletteBitmap(3, 2, c.bits, 0, c.data));
        const RgbaImage image = Picture("render-bitmap", {dll, "0", Path("b.png")}, "b.png");
        ASSERT_EQ(image.width, 3) << c.bits << " bits";
        ASSERT_EQ(image.height, 2);
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(At(image, x, 0), c.topRow[x]) << c.bits << " bits, x " << x;
            EXPECT_EQ(At(image, x, 1), c.bottomRow[x]) << c.bits << " bits, x " << x;
        }
    }
}

TEST_F(Pictures, RenderBitmapExpandsRleAndLeavesUnreachedPixelsTransparent) {
    // RLE8, 4 x 3: a run, absolute pixels (padded), a delta, end of bitmap.
    const Bytes rle8 = {3, 7, 0, 0,                 // row 0: 7 7 7 .
                        0, 3, 1, 2, 5, 0, 0, 0,     // row 1: 1 2 5 .   (absolute, one pad byte)
                        0, 2, 2, 0, 1, 9, 0, 1};    // delta to (2, 1)? no: row 1 x 3 -> (3+2, 1) cut; end
    const std::string dll = Write("rle.dll", PaletteBitmap(4, 3, 8, 1, rle8));
    const RgbaImage image = Picture("render-bitmap", {dll, "0", Path("rle.png")}, "rle.png");
    ASSERT_EQ(image.width, 4);
    ASSERT_EQ(image.height, 3);
    EXPECT_EQ(At(image, 0, 2), Entry(7));
    EXPECT_EQ(At(image, 2, 2), Entry(7));
    EXPECT_EQ(At(image, 3, 2).a, 0);  // never reached
    EXPECT_EQ(At(image, 0, 1), Entry(1));
    EXPECT_EQ(At(image, 2, 1), Entry(5));
    EXPECT_EQ(At(image, 0, 0).a, 0);
    // RLE4, 5 x 1: a run of alternating nibbles, then 3 absolute nibbles cut at the row's end.
    const Bytes rle4 = {3, 0x4B, 0, 3, 0x12, 0x30, 0, 1};
    const std::string four = Write("rle4.dll", PaletteBitmap(5, 1, 4, 2, rle4));
    const RgbaImage row = Picture("render-bitmap", {four, "0", Path("rle4.png")}, "rle4.png");
    ASSERT_EQ(row.width, 5);
    const int expected[] = {4, 11, 4, 1, 2};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(row, x, 0), Entry(expected[x])) << x;
}

TEST(RleBits, EveryCodeStaysInsideThePictureAndTheBits) {
    std::vector<uint16_t> px;
    // A run longer than the row, a delta far beyond the picture, a truncated
    // absolute stretch: all cut, never written outside.
    ASSERT_TRUE(ExpandRleBits(Bytes{255, 1, 0, 0, 2, 1}.data(), 6, 8, 3, 2, px));
    EXPECT_EQ(px, (std::vector<uint16_t>{1, 1, 1, 1, 1, kUnsetPixel}));
    ASSERT_TRUE(ExpandRleBits(Bytes{0, 2, 200, 200, 1, 5}.data(), 6, 8, 3, 2, px));
    EXPECT_EQ(std::count(px.begin(), px.end(), kUnsetPixel), 6);
    ASSERT_TRUE(ExpandRleBits(Bytes{0, 9, 4, 5}.data(), 4, 8, 3, 1, px));
    EXPECT_EQ(px, (std::vector<uint16_t>{4, 5, kUnsetPixel}));
    ASSERT_TRUE(ExpandRleBits(Bytes{0, 5, 0xAB, 0xCD, 0xEF, 0, 2, 0x12}.data(), 8, 4, 6, 1, px));
    EXPECT_EQ(px, (std::vector<uint16_t>{0xA, 0xB, 0xC, 0xD, 0xE, 1}));
    EXPECT_FALSE(ExpandRleBits(nullptr, 0, 8, 1 << 16, 1 << 16, px));  // more than the largest picture
    EXPECT_FALSE(ExpandRleBits(nullptr, 0, 24, 4, 4, px));
}

TEST_F(Pictures, RenderIconShowsTheDisplayCopyOrTheTransparency) {
    const Rgba orange{250, 120, 10, 255};
    for (const uint16_t bits : {1, 4, 8, 24}) {
        IconSample sample(16, 16, bits);
        if (bits != 24) sample.SetColor(1, 250, 120, 10);  // the mask colour is in the palette
        if (bits == 24) sample.SetXorByte(15, 0, 200);     // top-left pixel's blue
        if (bits != 24) sample.SetXorByte(15, 0, bits == 8 ? 1 : bits == 4 ? 0x10 : 0x80);
        sample.SetAnd(15, 15);  // top-right pixel masked
        const std::string exe = Write("i.exe", sample.file);
        const RgbaImage shown =
            Picture("render-icon", {exe, "0", Path("i.png"), "--mask-color", "FA780A"}, "i.png");
        ASSERT_EQ(shown.width, 16) << bits;
        ASSERT_EQ(shown.height, 16);
        EXPECT_EQ(At(shown, 15, 0), orange) << bits << " bits";
        EXPECT_EQ(At(shown, 0, 0), (bits == 24 ? Rgba{0, 0, 200, 255} : orange)) << bits << " bits";
        EXPECT_EQ(At(shown, 5, 5), (Rgba{0, 0, 0, 255})) << bits << " bits";

        const RgbaImage alpha = Picture("render-icon", {exe, "0", "--alpha", Path("a.png")}, "a.png");
        EXPECT_EQ(At(alpha, 15, 0).a, 0) << bits << " bits";
        EXPECT_EQ(At(alpha, 0, 0), (bits == 24 ? Rgba{0, 0, 200, 255} : orange)) << bits << " bits";
    }
}

TEST_F(Pictures, SheetPutsEveryImageInItsGalleryCell) {
    Bytes file(64, 0);
    for (const uint16_t bits : {1, 4, 24}) Place(file, file.size() + 8, IconImage(32, 32, bits));
    Place(file, file.size() + 8, IconImage(16, 16, 8));
    const std::string exe = Write("four.exe", file);
    const RgbaImage sheet = Picture("sheet", {"icons", exe, Path("s.png")}, "s.png");
    EXPECT_EQ(out_.str(), Path("s.png") + "\n");
    ASSERT_EQ(sheet.width, 4 * 65 + 1);
    ASSERT_EQ(sheet.height, 66);
    const Rgba black{0, 0, 0, 255}, white{255, 255, 255, 255};
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(At(sheet, 65 * cell, 30), black) << "line left of cell " << cell;
        EXPECT_EQ(At(sheet, 65 * cell + 32, 32), black) << "the icon's own pixels, cell " << cell;
        EXPECT_EQ(At(sheet, 65 * cell + 3, 3), white) << "around the icon, cell " << cell;
    }
    EXPECT_EQ(At(sheet, 65 * 3 + 24, 24), white);  // the 16 x 16 icon is centred: 25..40
    EXPECT_EQ(At(sheet, 65 * 3 + 25, 25), black);

    // Bitmaps are reduced to the bitmap gallery's thumbnail: 400 x 100 -> 192 x 48.
    Bytes pictures(64, 0);
    Place(pictures, 64, BitmapImage(400, 100, 24));
    const RgbaImage thumbs = Picture("sheet", {"bitmaps", Write("p.dll", pictures), Path("t.png")}, "t.png");
    ASSERT_EQ(thumbs.width, 194);
    ASSERT_EQ(thumbs.height, 146);
    EXPECT_EQ(At(thumbs, 1, 48), white);  // rows 49 to 96 of the cell's 144
    EXPECT_EQ(At(thumbs, 1, 49), black);
    EXPECT_EQ(At(thumbs, 192, 96), black);
    EXPECT_EQ(At(thumbs, 1, 97), white);

    EXPECT_EQ(Run("sheet", {"icons", Write("none.exe", Bytes(100, 0)), Path("n.png")}), 2);
    EXPECT_EQ(err_.str(), "NO icon in the file.\n");
    EXPECT_FALSE(fs::exists(Path("n.png")));
}

TEST(SheetLayout, GalleryCellsSixteenOrSixAcross) {
    EXPECT_EQ(IconSheetLayout(40).columns, 16);
    EXPECT_EQ(IconSheetLayout(40).rows, 3);
    EXPECT_EQ(IconSheetLayout(40).Width(), 16 * 65 + 1);
    EXPECT_EQ(BitmapSheetLayout(7).columns, 6);
    EXPECT_EQ(BitmapSheetLayout(7).Height(), 2 * 145 + 1);
    EXPECT_EQ(BitmapSheetLayout(0).columns, 0);
    int32_t w = 0, h = 0;
    FitInCell(BitmapSheetLayout(1), 10000, 2, w, h);
    EXPECT_EQ(w, 192);
    EXPECT_EQ(h, 1);
}

}  // namespace
