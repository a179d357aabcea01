// The words of the programs' title lines for a found image.
#include <gtest/gtest.h>

#include "scan/image_description.h"

namespace {

FoundImage Entry(int32_t width, int32_t height, int32_t colors, int32_t size, int32_t compressed = 0) {
    FoundImage e;
    e.width = width;
    e.height = height;
    e.colorCount = colors;
    e.imageSize = size;
    e.isCompressed = compressed;
    return e;
}

TEST(Description, IconsShowRealHeightAndIcoFileSize) {
    EXPECT_EQ(DescribeIcon(Entry(32, 64, 16, 640)), "32 x 32 x 16 (766 Bytes)");
    EXPECT_EQ(DescribeIcon(Entry(48, 96, 0, 9216)), "48 x 48 x 16M (9278 Bytes)");
    EXPECT_EQ(DescribeIcon(Entry(16, 32, 40, 320)), "16 x 16 x 256 (542 Bytes)");
}

TEST(Description, BitmapsShowCompressionAndBmpFileSize) {
    EXPECT_EQ(DescribeBitmap(Entry(64, 48, 256, 2100, 1)), "64 x 48 x 256 RLE (3178 Bytes)");
    EXPECT_EQ(DescribeBitmap(Entry(10, -6, 0, 192)), "10 x -6 x 16M RGB (246 Bytes)");
    EXPECT_EQ(DescribeBitmap(Entry(8, 8, 300, 64)), "8 x 8 x RGB (1318 Bytes)");
}

TEST(Description, ColourWordsByPaletteSize) {
    const std::pair<int32_t, const char*> cases[] = {{0, "16M "}, {1, "2 "},    {2, "2 "},   {3, "16 "},
                                                     {16, "16 "}, {17, "256 "}, {256, "256 "}, {257, ""},
                                                     {-1, ""}};
    for (const auto& [count, word] : cases) EXPECT_STREQ(ColorWord(count), word) << count;
}

TEST(Description, OffsetsHaveEightUpperCaseDigits) {
    EXPECT_EQ(HexOffset(40), "00000028");
    EXPECT_EQ(HexOffset(107184), "0001A2B0");
    EXPECT_EQ(HexOffset(1078), "00000436");
}

}  // namespace
