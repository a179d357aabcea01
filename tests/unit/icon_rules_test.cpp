// Which icon images the icon searches accept, and what they record of them.
#include <gtest/gtest.h>

#include "tests/unit/test_images.h"

namespace {

FoundImage OnlyEntry(const ScanResult& result) {
    EXPECT_EQ(result.entries.size(), 1u);
    return result.entries.empty() ? FoundImage{} : result.entries[0];
}

TEST(IconSizeRule, StandardSixteenColourIconWithFullOrXorOnlySize) {
    for (const bool xorOnly : {false, true}) {
        Bytes file(100, 0);
        Place(file, 100, IconImage(32, 32, 4, xorOnly));
        const FoundImage e = OnlyEntry(Scan(file, SearchKind::Icons));
        EXPECT_EQ(e.headerOffset, 100);
        EXPECT_EQ(e.colorCount, 16);
        EXPECT_EQ(e.maskSize, 128);
        EXPECT_EQ(e.imageSize, 640);
        EXPECT_EQ(e.bitCount, 4);
        EXPECT_EQ(e.width, 32);
        EXPECT_EQ(e.height, 64);
    }
}

TEST(IconSizeRule, EveryBitCountWithOddWidths) {
    for (const uint16_t bits : {1, 4, 8, 24}) {
        for (const int32_t width : {1, 7, 16, 18, 33, 48}) {
            Bytes file = IconImage(width, width, bits);
            file.resize(file.size() + 64, 0);  // small images alone are shorter than a chunk must be
            const FoundImage e = OnlyEntry(Scan(file, SearchKind::Icons));
            EXPECT_EQ(e.imageSize, IconImageSize(width, width, bits)) << bits << " bits, width " << width;
            EXPECT_EQ(e.maskSize, (width + 31) / 32 * 4 * width);
            EXPECT_EQ(e.colorCount, bits == 24 ? 0 : 1 << bits);
        }
    }
}

TEST(IconSizeRule, TwentyFourBitsHaveNoXorOnlyVariant) {
    EXPECT_TRUE(Scan(IconImage(32, 32, 24, true), SearchKind::Icons).entries.empty());
    EXPECT_EQ(OnlyEntry(Scan(IconImage(18, 18, 24), SearchKind::GalleryIcons)).imageSize, 1080);
}

TEST(IconSizeRule, MismatchedOrCompressedSizesAreDropped) {
    Bytes image = IconImage(32, 32, 4);
    Put32(image, 20, 641);
    EXPECT_TRUE(Scan(image, SearchKind::Icons).entries.empty());
    image = IconImage(32, 32, 4);
    image[16] = 1;  // BI_RLE8
    EXPECT_TRUE(Scan(image, SearchKind::Icons).entries.empty());
}

TEST(IconHeaderTest, RefusesWhatNoIconImageHas) {
    auto variant = [](auto change) {
        Bytes image = IconImage(32, 32, 4);
        change(image);
        return Scan(image, SearchKind::Icons).entries.size();
    };
    EXPECT_EQ(variant([](Bytes&) {}), 1u);
    EXPECT_EQ(variant([](Bytes& b) { b[14] = 16; }), 0u);             // 16 bits
    EXPECT_EQ(variant([](Bytes& b) { b[14] = 32; }), 0u);             // 32 bits
    EXPECT_EQ(variant([](Bytes& b) { b[12] = 2; }), 0u);              // two planes
    EXPECT_EQ(variant([](Bytes& b) { b[1] = 1; }), 0u);               // biSize 296
    EXPECT_EQ(variant([](Bytes& b) { b[18] = 1; }), 0u);              // biCompression high byte
    EXPECT_EQ(variant([](Bytes& b) { Put32(b, 24, 2835); }), 0u);     // biXPelsPerMeter
    EXPECT_EQ(variant([](Bytes& b) { Put32(b, 28, 1); }), 0u);        // biYPelsPerMeter
}

TEST(IconHeaderTest, TwoColourIconsDeclareZeroOrTwoColours) {
    for (const uint32_t used : {0u, 2u, 1u, 3u, 256u}) {
        Bytes image = IconImage(32, 32, 1);
        Put32(image, 32, used);
        const bool found = !Scan(image, SearchKind::Icons).entries.empty();
        EXPECT_EQ(found, used == 0 || used == 2) << used;
    }
}

TEST(IconHeaderTest, FailingHeaderInsideAnEntryLeavesItAlone) {
    // A 1-bit header declaring 3 colours is no candidate, so it cannot
    // displace the icon it lies in; one that passes does.
    Bytes file = IconImage(32, 32, 4);
    Bytes inner = IconImage(32, 32, 1);
    Put32(inner, 32, 3);
    Place(file, 200, HeaderBytes({32, 64, 1, 0, 9999, 0, 0, 3}));
    EXPECT_EQ(Offsets(Scan(file, SearchKind::Icons)), std::vector<int32_t>{0});
    Place(file, 200, HeaderBytes({32, 64, 1, 0, 9999, 0, 0, 2}));
    EXPECT_TRUE(Scan(file, SearchKind::Icons).entries.empty());
}

TEST(IconSecondStage, ZeroOrNegativeSizesDropTheCandidateAtOnce) {
    // Dropped before the overlap rule: the icon they lie in stays.
    for (const InfoHeader h : {InfoHeader{0, 64, 4, 0, 640}, InfoHeader{32, 0, 4, 0, 640},
                               InfoHeader{32, 64, 4, 0, 0}, InfoHeader{-32, 64, 4, 0, 640},
                               InfoHeader{32, -64, 4, 0, 640}, InfoHeader{32, 64, 4, 0, -640}}) {
        Bytes file = IconImage(32, 32, 4);
        Place(file, 300, HeaderBytes(h));
        EXPECT_EQ(Offsets(Scan(file, SearchKind::Icons)), std::vector<int32_t>{0});
    }
}

TEST(IconGallery, KeepsIconsUpToSixtyFourPixels) {
    EXPECT_EQ(Scan(IconImage(64, 64, 8), SearchKind::GalleryIcons).entries.size(), 1u);
    EXPECT_TRUE(Scan(IconImage(72, 72, 8), SearchKind::GalleryIcons).entries.empty());
    EXPECT_TRUE(Scan(IconImage(128, 128, 4), SearchKind::GalleryIcons).entries.empty());
    EXPECT_EQ(Scan(IconImage(128, 128, 4), SearchKind::Icons).entries.size(), 1u);
    // A large icon is dropped at once, so an icon inside it is collected.
    Bytes file = IconImage(72, 72, 8);
    Place(file, 2000, IconImage(16, 16, 4));
    EXPECT_EQ(Offsets(Scan(file, SearchKind::GalleryIcons)), std::vector<int32_t>{2000});
}

TEST(OverlapRule, LaterHeaderInsideAnEntryTakesItsPlace) {
    Bytes file = IconImage(32, 32, 4);  // extent 0..744
    Place(file, 100, IconImage(16, 16, 4));
    EXPECT_EQ(Offsets(Scan(file, SearchKind::Icons)), std::vector<int32_t>{100});
}

TEST(OverlapRule, ReplacingCandidateThatFailsTheSizeRuleRemovesBoth) {
    Bytes file = IconImage(32, 32, 4);
    Bytes inner = IconImage(16, 16, 4);
    Put32(inner, 20, 1);
    Place(file, 100, inner);
    EXPECT_TRUE(Scan(file, SearchKind::Icons).entries.empty());
}

TEST(OverlapRule, HeaderRightAtTheEndOfTheExtentIsSeparate) {
    Bytes file = IconImage(32, 32, 4);
    const size_t end = file.size();  // 744
    Place(file, end, IconImage(16, 16, 4));
    EXPECT_EQ(Offsets(Scan(file, SearchKind::Icons)), (std::vector<int32_t>{0, static_cast<int32_t>(end)}));
}

TEST(FileBounds, EntriesReachingPastTheEndOfTheFileAreDropped) {
    Bytes image = IconImage(32, 32, 4);
    image.pop_back();
    EXPECT_TRUE(Scan(image, SearchKind::Icons).entries.empty());
    Bytes negativePalette = IconImage(32, 32, 8);
    Put32(negativePalette, 32, 0xFFFFFFF0u);
    EXPECT_TRUE(Scan(negativePalette, SearchKind::Icons).entries.empty());
    Bytes hugePalette = IconImage(32, 32, 8);
    Put32(hugePalette, 32, 0x7FFFFFFFu);
    EXPECT_TRUE(Scan(hugePalette, SearchKind::Icons).entries.empty());
}

TEST(FileBounds, WrappedProductsNeverMakeAnEntry) {
    // 256 x 134217729 at 4 bits: biSizeImage 64 matches the XOR-only rule
    // through 32-bit wrapping, and the mask's product wraps to a negative
    // size, so the sum would be a negative image size inside the file.
    Bytes image = HeaderBytes({256, 134217729, 4, 0, 64, 0, 0, 0});
    image.resize(40 + 64 + 64, 0);
    EXPECT_TRUE(Scan(image, SearchKind::Icons).entries.empty());
}

}  // namespace
