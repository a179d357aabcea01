// Which bitmaps the bitmap searches accept.
#include <gtest/gtest.h>

#include "tests/unit/test_images.h"

namespace {

size_t Found(const Bytes& file, SearchKind kind = SearchKind::Bitmaps) { return Scan(file, kind).entries.size(); }

Bytes BmpFile(const Bytes& image) {
    Bytes file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<uint32_t>(14 + image.size()));
    Place(file, 14, image);
    return file;
}

// A compressed bitmap whose bits are `bits`.
Bytes RleBitmap(uint16_t bitCount, uint32_t clrUsed, const Bytes& bits) {
    const uint32_t colours = clrUsed != 0 ? clrUsed : 1u << bitCount;
    Bytes image = HeaderBytes({16, 16, bitCount, bitCount == 8 ? 1u : 2u, static_cast<int32_t>(bits.size()), 0, 0, clrUsed});
    image.resize(40 + 4 * colours, 0);
    image.insert(image.end(), bits.begin(), bits.end());
    return image;
}

TEST(BitmapSizeRule, UncompressedRowsOfEveryBitCount) {
    for (const uint16_t bits : {1, 4, 8, 24}) {
        for (const int32_t width : {1, 3, 5, 17, 24, 33}) {
            EXPECT_EQ(Found(BitmapImage(width, 7, bits)), 1u) << bits << " bits, width " << width;
            Bytes wrong = BitmapImage(width, 7, bits);
            Put32(wrong, 20, Get32(wrong, 20) + 4);
            EXPECT_EQ(Found(wrong), 0u) << bits << " bits, width " << width;
        }
    }
}

TEST(BitmapSizeRule, IconMaskShapeIsNoBitmap) {
    EXPECT_EQ(Found(BitmapImage(32, 64, 1)), 0u);
    EXPECT_EQ(Found(BitmapImage(24, 48, 1)), 1u);
    EXPECT_EQ(Found(BitmapImage(32, 63, 1)), 1u);
    EXPECT_EQ(Found(BitmapImage(32, 64, 4)), 1u);
}

TEST(BitmapSizeRule, NegativeHeightsReachTheSizeRuleButZeroHeightDoesNot) {
    // Rows times a negative height never equal a positive size: uncompressed
    // top-down bitmaps are dropped there, compressed 24-bit ones are kept.
    EXPECT_EQ(Found(BitmapImage(10, -6, 8)), 0u);
    Bytes deep = HeaderBytes({10, -6, 24, 1, 20, 0, 0, 0});
    deep.resize(100, 0);
    const ScanResult topDown = Scan(deep, SearchKind::Bitmaps);
    ASSERT_EQ(topDown.entries.size(), 1u);
    EXPECT_EQ(topDown.entries[0].height, -6);
    Bytes flat = BitmapImage(10, 6, 8);
    Put32(flat, 8, 0);
    EXPECT_EQ(Found(flat), 0u);
}

TEST(BitmapFields, PaletteSizeAndCompressionFlag) {
    Bytes image = BitmapImage(8, 8, 24);
    Put32(image, 32, 256);
    ASSERT_EQ(Scan(image, SearchKind::Bitmaps).entries.size(), 1u);
    EXPECT_EQ(Scan(image, SearchKind::Bitmaps).entries[0].colorCount, 0);
    const ScanResult rle = Scan(RleBitmap(8, 0, Bytes(30, 1)), SearchKind::Bitmaps);
    ASSERT_EQ(rle.entries.size(), 1u);
    EXPECT_EQ(rle.entries[0].colorCount, 256);
    EXPECT_EQ(rle.entries[0].isCompressed, 1);
    EXPECT_EQ(rle.entries[0].imageSize, 30);
}

TEST(BitmapHeaderTest, PixelsPerMetreAreNotLookedAt) {
    Bytes image = BitmapImage(16, 16, 8);
    Put32(image, 24, 2835);
    Put32(image, 28, 2835);
    EXPECT_EQ(Found(image), 1u);
    EXPECT_EQ(Found(image, SearchKind::Icons), 0u);
}

TEST(RleByteCheck, EightBitBitsStayBelowThePaletteSize) {
    EXPECT_EQ(Found(RleBitmap(8, 0, Bytes(64, 255))), 1u);  // 256 colours: always
    Bytes bits(64, 15);
    EXPECT_EQ(Found(RleBitmap(8, 16, bits)), 1u);
    bits[63] = 16;
    EXPECT_EQ(Found(RleBitmap(8, 16, bits)), 0u);
}

TEST(RleByteCheck, FourBitBitsCheckBothNibbles) {
    EXPECT_EQ(Found(RleBitmap(4, 0, Bytes(20, 0xFF))), 1u);  // 16 colours: always
    EXPECT_EQ(Found(RleBitmap(4, 6, Bytes(20, 0x55))), 1u);
    EXPECT_EQ(Found(RleBitmap(4, 6, Bytes{0x55, 0x56})), 0u);
    EXPECT_EQ(Found(RleBitmap(4, 6, Bytes{0x55, 0x65})), 0u);
}

TEST(RleByteCheck, OneAndTwentyFourBitCompressedAreKeptUnchecked) {
    Bytes one = HeaderBytes({16, 16, 1, 1, 5, 0, 0, 0});
    one.resize(40 + 8 + 5, 0xEE);
    EXPECT_EQ(Found(one), 1u);
    Bytes deep = HeaderBytes({16, 16, 24, 1, 5, 0, 0, 0});
    deep.resize(60, 0xEE);
    EXPECT_EQ(Found(deep), 1u);
}

TEST(RleByteCheck, OnlyTheBitsThemselvesAreChecked) {
    Bytes image = RleBitmap(8, 16, Bytes(64, 15));
    image.push_back(200);  // the byte after the bits
    EXPECT_EQ(Found(image), 1u);
    Put32(image, 20, 65);
    EXPECT_EQ(Found(image), 0u);
}

TEST(BitmapScan, BmpFileYieldsItsBitmapAtOffsetFourteen) {
    EXPECT_EQ(Offsets(Scan(BmpFile(BitmapImage(20, 10, 8)), SearchKind::Bitmaps)), std::vector<int32_t>{14});
    Bytes noSize = BitmapImage(20, 10, 8);
    Put32(noSize, 20, 0);
    EXPECT_TRUE(Scan(BmpFile(noSize), SearchKind::Bitmaps).entries.empty());
}

TEST(BitmapScan, RejectedSizeGoesOnFortyBytesAfterTheHeader) {
    // A second header 24 bytes into the first, sharing its last 16 bytes.
    Bytes first = HeaderBytes({8, 8, 8, 0, 999, 0, 0, 0});
    Put32(first, 24, 40);        // the second header's biSize...
    Put32(first, 28, 8);         // ...width
    Put32(first, 32, 8);         // ...height
    Put32(first, 36, 0x80001u);  // ...planes 1, 8 bits
    Bytes file = first;
    Place(file, 40, Bytes{0, 0, 0, 0, 64, 0, 0, 0});  // second: no compression, 64 bytes
    file.resize(24 + 40 + 1024 + 64, 0);
    EXPECT_TRUE(Scan(file, SearchKind::Bitmaps).entries.empty());
    Put32(file, 20, 0);  // first dropped at once: the scan goes on one byte after it
    EXPECT_EQ(Offsets(Scan(file, SearchKind::Bitmaps)), std::vector<int32_t>{24});
}

TEST(BitmapScan, OverlapKeepsTheLaterHeadersSize) {
    Bytes file = BitmapImage(100, 100, 8);
    Place(file, 500, BitmapImage(30, 20, 8));
    const ScanResult result = Scan(file, SearchKind::GalleryBitmaps);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].headerOffset, 500);
    EXPECT_EQ(result.entries[0].width, 30);
    EXPECT_EQ(result.entries[0].height, 20);
}

TEST(BitmapScan, NoUpperLimitOnTheSize) {
    const ScanResult result = Scan(BitmapImage(2000, 1500, 8), SearchKind::GalleryBitmaps);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].width, 2000);
    EXPECT_EQ(result.entries[0].imageSize, 3000000);
}

}  // namespace
