// Reading a BMP file for display: refusals and what is filled in.
#include <gtest/gtest.h>

#include "imaging/dib_validation.h"
#include "texts/image_messages.h"
#include "tests/unit/test_images.h"

namespace {

// A whole .bmp file: file header, the given image (header, palette, bits).
Bytes BmpFile(const Bytes& image, uint32_t offBits) {
    Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put32(file, 2, static_cast<uint32_t>(14 + image.size()));
    Put32(file, 10, offBits);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

DibStatus Validate(Bytes& file, DibLayout& layout) {
    DibFileHeader header;
    const DibStatus status = ReadDibFileHeader(file.data(), file.size(), header);
    if (status != DibStatus::Ok) return status;
    return ValidateDibBlock(header, file.data() + 14, file.size() - 14, layout);
}

DibStatus Validate(Bytes file) {
    DibLayout layout;
    return Validate(file, layout);
}

TEST(DibValidation, FileHeaderAndMagic) {
    EXPECT_EQ(Validate(Bytes(13, 'B')), DibStatus::FileHeaderShort);
    Bytes exe(64, 0);
    exe[0] = 'M';
    exe[1] = 'Z';
    DibFileHeader header;
    EXPECT_EQ(ReadDibFileHeader(exe.data(), exe.size(), header), DibStatus::BadMagic);
    EXPECT_EQ(BadMagicText(header.type, false), "Bad magic number (0x5a4d) in bitmap.");
}

TEST(DibValidation, SizesThatDoNotMatchTheFile) {
    Bytes file = BmpFile(BitmapImage(4, 4, 8), 0);
    file.pop_back();  // bfSize larger than the file
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
    for (const uint32_t infoSize : {12u, 108u, 124u}) {
        Bytes other = BmpFile(BitmapImage(4, 4, 8), 0);
        Put32(other, 14, infoSize);
        EXPECT_EQ(Validate(other), DibStatus::BadInfoSize);
    }
}

TEST(DibValidation, ColourEntriesAndImageSizeAreFilledIn) {
    Bytes file = BmpFile(BitmapImage(4, 4, 8), 0);
    DibLayout layout;
    ASSERT_EQ(Validate(file, layout), DibStatus::Ok);
    EXPECT_EQ(layout.colorEntries, 256);
    EXPECT_EQ(Get32(file, 14 + 32), 256u);  // written back
    EXPECT_EQ(layout.bits, 40u + 1024u);      // bfOffBits 0: right after the table

    Bytes trueColour = BmpFile(BitmapImage(3, 2, 24), 54);
    Put32(trueColour, 14 + 20, 0);
    ASSERT_EQ(Validate(trueColour, layout), DibStatus::Ok);
    EXPECT_EQ(layout.colorEntries, 0);
    EXPECT_EQ(Get32(trueColour, 14 + 32), 0u);
    EXPECT_EQ(Get32(trueColour, 14 + 20), 24u);  // rows of 9 bytes padded to 12
    EXPECT_EQ(layout.bits, 40u);
}

TEST(DibValidation, TableOrBitsOutsideTheFileAreRefusedLikeAShortRead) {
    Bytes file = BmpFile(BitmapImage(4, 4, 8), 0);
    Put32(file, 14 + 32, 300);  // 300 entries do not fit
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
    file = BmpFile(BitmapImage(4, 4, 8), 0);
    Put32(file, 14 + 20, 17);   // biSizeImage one byte too many
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
    file = BmpFile(BitmapImage(4, 4, 8), 1079);  // bits one byte late
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
    file = BmpFile(BitmapImage(4, 4, 8), 1078);
    EXPECT_EQ(Validate(file), DibStatus::Ok);
    file = BmpFile(BitmapImage(4, 4, 8), 1078);
    Put32(file, 14 + 8, 5);     // five rows need 20 bytes whatever biSizeImage says
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
    file = BmpFile(BitmapImage(4, 4, 8), 1078);
    Put32(file, 14 + 16, 1);    // RLE8: biSizeImage counts
    Put32(file, 14 + 20, 4);
    EXPECT_EQ(Validate(file), DibStatus::Ok);
    file = BmpFile(BitmapImage(1000, -1000, 24), 54);  // top-down, rows cut short
    file.resize(file.size() - 100);
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
}

// A few bytes of run-length bits may claim a picture of gigabytes; painting
// would expand them into it.
TEST(DibValidation, CompressedBitsThatWouldExpandBeyondTheLimitAreRefused) {
    Bytes file = BmpFile(BitmapImage(4, 4, 8), 1078);
    Put32(file, 14 + 16, 1);  // RLE8, four bytes of bits
    Put32(file, 14 + 20, 4);
    Put32(file, 14 + 4, 65536);
    Put32(file, 14 + 8, 65536);
    EXPECT_EQ(Validate(file), DibStatus::NoMemory);
    Put32(file, 14 + 8, static_cast<uint32_t>(-512));  // top-down: 32 Mi pixels, the most there may be
    EXPECT_EQ(Validate(file), DibStatus::Ok);
    Put32(file, 14 + 16, 0);  // uncompressed: the rows must be in the file, whatever their number
    EXPECT_EQ(Validate(file), DibStatus::BodyShort);
}

TEST(DibValidation, EveryStatusHasItsMessage) {
    EXPECT_EQ(DibMessage(DibStatus::Ok), nullptr);
    EXPECT_STREQ(DibMessage(DibStatus::BodyShort)->english, "Unable to read bitmap info header.");
    EXPECT_STREQ(DibMessage(DibStatus::BadInfoSize)->englishCaption, "File Error");
    EXPECT_STREQ(DibMessage(DibStatus::NoMemory)->english, "Unable to allocate space for bitmap.");
}

}  // namespace
