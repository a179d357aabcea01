// The display copy of an icon: the BMP that shows it, mask pixels in the mask colour.
#include <gtest/gtest.h>

#include "imaging/icon_render.h"
#include "tests/unit/icon_samples.h"

namespace {

constexpr ColorRef kOrange = MakeColorRef(250, 120, 10);

Bytes Render(const IconSample& sample, ColorRef mask = kOrange) {
    MemorySource source(sample.file);
    Bytes bmp;
    EXPECT_EQ(RenderIconDisplayCopy(source, sample.entry, mask, bmp), ImageRead::Ok);
    return bmp;
}

uint8_t Nibble(const Bytes& bmp, size_t rowStart, int x) {
    const uint8_t pair = bmp[rowStart + x / 2];
    return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

TEST(MonochromeIcon, BecomesA630ByteFourBitBitmap) {
    IconSample sample(32, 32, 1);
    sample.SetColor(1, 255, 255, 255);
    sample.SetXorByte(0, 0, 0xFF);  // pixels 0..7 of the bottom row are colour 1
    sample.SetAnd(0, 0);            // pixel 0 masked although its XOR bit is 1
    sample.SetAnd(9, 0);            // pixel 9 masked, XOR bit 0
    const Bytes bmp = Render(sample);
    ASSERT_EQ(bmp.size(), 630u);
    EXPECT_EQ(Get32(bmp, 2), 630u);
    EXPECT_EQ(Get32(bmp, 10), 118u);
    EXPECT_EQ(Get32(bmp, 18), 32u);   // width
    EXPECT_EQ(Get32(bmp, 22), 32u);   // real height
    EXPECT_EQ(bmp[28], 4);            // bits per pixel
    EXPECT_EQ(Get32(bmp, 34), 512u);  // 16 bytes a row
    EXPECT_EQ(Get32(bmp, 46), 0u);    // biClrUsed
    // Palette: the two colours, the mask colour as entry 2, then black.
    EXPECT_EQ(Bytes(bmp.begin() + 58, bmp.begin() + 66), Bytes({255, 255, 255, 0, 10, 120, 250, 0}));
    EXPECT_EQ(Bytes(bmp.begin() + 66, bmp.begin() + 118), Bytes(52, 0));
    EXPECT_EQ(Nibble(bmp, 118, 0), 2);
    EXPECT_EQ(Nibble(bmp, 118, 1), 1);
    EXPECT_EQ(Nibble(bmp, 118, 8), 0);
    EXPECT_EQ(Nibble(bmp, 118, 9), 2);
    EXPECT_EQ(Nibble(bmp, 118 + 16, 0), 0);  // next row untouched
}

TEST(MonochromeIcon, PaddingPixelOfTheLastPairIsWritten) {
    IconSample sample(3, 3, 1);
    sample.SetAnd(3, 0);           // the pixel past the row's end, second of the pair (2, 3)
    sample.SetXorByte(1, 0, 0x10); // pixel 3 of row 1 has XOR bit 1
    const Bytes bmp = Render(sample);
    EXPECT_EQ(Get32(bmp, 34), 12u);  // rows of 4 bytes
    EXPECT_EQ(Nibble(bmp, 118, 3), 2);
    EXPECT_EQ(Nibble(bmp, 118 + 4, 3), 1);
    EXPECT_EQ(bmp[118 + 2], 0);  // the pair (4, 5) lies wholly past the row
}

TEST(SixteenColourIcon, MaskTakesTheExactOrNearestPaletteEntry) {
    IconSample sample(32, 32, 4);
    for (int i = 0; i < 16; ++i) sample.SetColor(i, static_cast<uint8_t>(16 * i), 0, 0);
    sample.SetColor(5, 250, 120, 10);   // the exact mask colour
    sample.SetColor(9, 250, 120, 10);   // again: the first one wins
    sample.SetXorByte(3, 0, 0xAB);
    sample.SetAnd(0, 3);
    Bytes bmp = Render(sample);
    ASSERT_EQ(bmp.size(), 118u + 512u);
    EXPECT_EQ(Get32(bmp, 10), 118u);
    EXPECT_EQ(Get32(bmp, 22), 32u);
    EXPECT_EQ(Get32(bmp, 34), 512u);
    EXPECT_EQ(bmp[118 + 3 * 16], 0x5B);  // masked first pixel, its partner keeps B

    sample.SetColor(5, 0, 0, 0);
    sample.SetColor(9, 0, 0, 0);
    sample.SetColor(12, 240, 100, 0);  // nearest to (250, 120, 10) of what is left
    bmp = Render(sample);
    EXPECT_EQ(bmp[118 + 3 * 16], 0xCB);
}

TEST(SixteenColourIcon, PaddingPixelOfTheLastPairIsMaskedToo) {
    IconSample sample(3, 2, 4);
    sample.SetXorByte(0, 1, 0x77);
    sample.SetAnd(3, 0);
    const Bytes bmp = Render(sample);
    EXPECT_EQ(bmp[118 + 1], 0x70);  // pixel 2 keeps 7, padding pixel 3 gets index 0 (all black palette)
}

TEST(SixteenColourIcon, PartialPaletteSearchesOnlyTheEntriesPresent) {
    IconSample sample(8, 8, 4);
    sample.entry.colorCount = 4;            // biClrUsed 4: the XOR bits follow 16 bytes of palette
    sample.entry.imageSize = 32 + 32;       // the scanned sizes stay: XOR 32, AND 32
    Bytes file(140, 0);
    Place(file, 100, Bytes(sample.file.begin() + 100, sample.file.begin() + 140));
    Put32(file, 132, 4);
    file.resize(140 + 16 + 64, 0);
    file[140 + 4 * 3 + 2] = 255;            // entry 3 is red
    file[140 + 16 + 0] = 0x12;              // XOR row 0
    file[140 + 16 + 32] = 0x80;             // AND row 0: pixel 0
    sample.file = file;
    const Bytes bmp = Render(sample, MakeColorRef(255, 0, 0));
    EXPECT_EQ(Get32(bmp, 10), 54u + 16u);
    EXPECT_EQ(bmp.size(), 54u + 16u + 32u);
    EXPECT_EQ(bmp[70], 0x32);
}

TEST(TwoHundredFiftySixColourIcon, MaskPixelsGetTheNearestIndex) {
    IconSample sample(4, 2, 8);
    sample.SetColor(200, 255, 128, 0);
    sample.SetXorByte(1, 0, 7);
    sample.SetXorByte(1, 1, 7);
    sample.SetAnd(1, 1);
    const Bytes bmp = Render(sample, MakeColorRef(250, 120, 10));
    EXPECT_EQ(Get32(bmp, 10), 1078u);
    EXPECT_EQ(bmp.size(), 1078u + 8u);
    EXPECT_EQ(bmp[1078 + 4], 7);
    EXPECT_EQ(bmp[1078 + 5], 200);
}

TEST(TrueColourIcon, MaskPixelsCarryTheMaskColourExactly) {
    IconSample sample(5, 2, 24);
    for (size_t i = sample.xorBits; i < sample.andBits; ++i) sample.file[i] = 0x33;
    sample.SetAnd(4, 1);
    const Bytes bmp = Render(sample);
    EXPECT_EQ(Get32(bmp, 10), 54u);
    EXPECT_EQ(Get32(bmp, 22), 2u);
    EXPECT_EQ(Get32(bmp, 34), 32u);  // rows of 15 bytes padded to 16
    EXPECT_EQ(bmp.size(), 54u + 32u);
    const size_t pixel = 54 + 16 + 12;
    EXPECT_EQ(Bytes(bmp.begin() + pixel, bmp.begin() + pixel + 3), Bytes({10, 120, 250}));
    EXPECT_EQ(bmp[pixel - 1], 0x33);
    EXPECT_EQ(bmp[pixel + 3], 0x33);  // the row's padding byte is not a pixel
}

TEST(IconRendering, EntriesThatDescribeNoImageAreRefused) {
    IconSample sample(32, 32, 4);
    MemorySource source(sample.file);
    Bytes bmp;
    FoundImage e = sample.entry;
    e.maskSize = 600;  // leaves too little XOR bitmap for 32 rows
    EXPECT_EQ(RenderIconDisplayCopy(source, e, kOrange, bmp), ImageRead::Malformed);
    e = sample.entry;
    e.bitCount = 8;    // the header says 4
    EXPECT_EQ(RenderIconDisplayCopy(source, e, kOrange, bmp), ImageRead::Malformed);
    e = sample.entry;
    e.headerOffset = static_cast<int32_t>(sample.file.size()) - 100;
    EXPECT_EQ(RenderIconDisplayCopy(source, e, kOrange, bmp), ImageRead::Unreadable);
}

TEST(NearestPaletteIndex, SmallestDistanceFirstOnTies) {
    const Bytes palette = {0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 100, 0, 0, 0, 100, 0};
    EXPECT_EQ(NearestPaletteIndex(palette.data(), 4, MakeColorRef(110, 0, 0)), 2);
    EXPECT_EQ(NearestPaletteIndex(palette.data(), 4, MakeColorRef(150, 0, 0)), 1);  // 50 from both: the first
    EXPECT_EQ(NearestPaletteIndex(palette.data(), 0, MakeColorRef(150, 0, 0)), 0);
}

}  // namespace
