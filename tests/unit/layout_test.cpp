// The .ico and .bmp files written for found images, byte by byte.
#include <gtest/gtest.h>

#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "tests/unit/icon_samples.h"

namespace {

Bytes IcoOf(const IconSample& sample) {
    MemorySource source(sample.file);
    Bytes ico;
    EXPECT_EQ(BuildIconFile(source, sample.entry, ico), ImageRead::Ok);
    return ico;
}

FoundImage BitmapEntry(const Bytes& file) {
    const ScanResult scan = Scan(file, SearchKind::Bitmaps);
    EXPECT_EQ(scan.entries.size(), 1u);
    return scan.entries.empty() ? FoundImage{} : scan.entries[0];
}

TEST(IcoLayout, SixteenColourIconIs766Bytes) {
    IconSample sample(32, 32, 4);
    const Bytes ico = IcoOf(sample);
    ASSERT_EQ(ico.size(), 766u);
    const Bytes directory = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 0, 0, 0, 0, 0xE8, 0x02, 0, 0, 22, 0, 0, 0};
    EXPECT_EQ(Bytes(ico.begin(), ico.begin() + 22), directory);  // 744 = 0x2E8
    EXPECT_EQ(Bytes(ico.begin() + 22, ico.end()), Bytes(sample.file.begin() + 100, sample.file.begin() + 100 + 744));
    EXPECT_EQ(IcoFileSize(sample.entry), 766);
}

TEST(IcoLayout, ColourCountByteAndWideIcons) {
    EXPECT_EQ(IcoOf(IconSample(16, 16, 1))[8], 2);
    EXPECT_EQ(IcoOf(IconSample(16, 16, 8))[8], 0);
    EXPECT_EQ(IcoOf(IconSample(16, 16, 24))[8], 0);
    const Bytes wide = IcoOf(IconSample(256, 8, 1));
    EXPECT_EQ(wide[6], 0);
    EXPECT_EQ(wide[7], 8);
}

TEST(IcoLayout, PartialPaletteLengthCountsThePaletteItHas) {
    IconSample sample(32, 32, 4);
    sample.entry.colorCount = 10;  // biClrUsed 10: the image is 24 bytes shorter
    const Bytes ico = IcoOf(sample);
    EXPECT_EQ(Get32(ico, 14), 40u + 40u + 640u);
    EXPECT_EQ(ico.size(), 22u + 720u);
}

TEST(IcoLayout, ImageRunningPastTheFileIsUnreadable) {
    IconSample sample(32, 32, 4);
    sample.file.resize(700);
    MemorySource source(sample.file);
    Bytes ico;
    EXPECT_EQ(BuildIconFile(source, sample.entry, ico), ImageRead::Unreadable);
}

TEST(BmpLayout, OffsetsByPalette) {
    Bytes file(14, 0);
    Place(file, 14, BitmapImage(5, 3, 24));
    file.resize(file.size() + 60, 0);
    MemorySource source(file);
    Bytes bmp;
    ASSERT_EQ(BuildBitmapFile(source, BitmapEntry(file), bmp), ImageRead::Ok);
    EXPECT_EQ(Get32(bmp, 10), 54u);
    EXPECT_EQ(Get32(bmp, 2), bmp.size());
    EXPECT_EQ(Bytes(bmp.begin() + 14, bmp.end()), Bytes(file.begin() + 14, file.begin() + 14 + 40 + 48));
}

TEST(BmpLayout, EightBitsWithSixteenUsedColours) {
    InfoHeader h;
    h.width = 8;
    h.height = 4;
    h.bitCount = 8;
    h.sizeImage = 32;
    h.clrUsed = 16;
    Bytes file(100, 0);
    Place(file, 100, HeaderBytes(h));
    file.resize(400, 0);
    file[140] = 0x11;                 // first palette byte
    file[140 + 64 + 31] = 0x22;       // last bit byte
    MemorySource source(file);
    const FoundImage e = BitmapEntry(file);
    Bytes bmp;
    ASSERT_EQ(BuildBitmapFile(source, e, bmp), ImageRead::Ok);
    ASSERT_EQ(bmp.size(), 54u + 64u + 32u);
    EXPECT_EQ(Bytes(bmp.begin(), bmp.begin() + 14), Bytes({'B', 'M', 150, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0}));
    EXPECT_EQ(bmp[54], 0x11);
    EXPECT_EQ(bmp.back(), 0x22);

    // The colour-changed variant: only the palette differs.
    Bytes palette(64, 0x7F);
    Bytes changed;
    ASSERT_EQ(BuildBitmapFile(source, e, changed, &palette), ImageRead::Ok);
    EXPECT_EQ(Bytes(changed.begin() + 54, changed.begin() + 118), palette);
    EXPECT_EQ(Bytes(changed.begin() + 118, changed.end()), Bytes(bmp.begin() + 118, bmp.end()));
}

}  // namespace
