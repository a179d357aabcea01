// The frame's portable rules: the Windows version classification, the
// button bitmap names, the drive types and the Replace panel's description.
#include <gtest/gtest.h>

#include "framecore/drive_rule.h"
#include "framecore/os_variant.h"
#include "framecore/ui_language.h"
#include "framecore/window_geometry.h"
#include "imaging/ico_description.h"
#include "imaging/ico_layout.h"
#include "scan/scan_rules.h"
#include "tests/unit/icon_samples.h"
#include "tests/unit/test_images.h"

namespace {

TEST(OsVariant, NtVersionsFirstMatchWins) {
    EXPECT_EQ(OsVariantFromNtVersion("4.0"), 3);
    EXPECT_EQ(OsVariantFromNtVersion("5.0"), 4);
    EXPECT_EQ(OsVariantFromNtVersion("5.1"), 5);
    EXPECT_EQ(OsVariantFromNtVersion("5.2"), 5);
    EXPECT_EQ(OsVariantFromNtVersion("6.0"), 6);
    EXPECT_EQ(OsVariantFromNtVersion("6.1"), 6);
    EXPECT_EQ(OsVariantFromNtVersion("6.2"), 7);
    EXPECT_EQ(OsVariantFromNtVersion("10.0"), 7);
    EXPECT_EQ(OsVariantFromNtVersion(""), 7);
}

TEST(OsVariant, ProductNamesOfTheOtherLine) {
    EXPECT_EQ(OsVariantFromProductName("Microsoft Windows ME"), 2);
    EXPECT_EQ(OsVariantFromProductName("Microsoft Windows 98"), 1);
    EXPECT_EQ(OsVariantFromProductName("Microsoft Windows 95"), 0);
    EXPECT_EQ(OsVariantFromProductName(""), 0);
}

TEST(ButtonBitmaps, NamesCarryTheFamilyOfTheVariant) {
    EXPECT_EQ(ButtonBitmapName("Open", 2, ButtonState::Up), "Open9Up");
    EXPECT_EQ(ButtonBitmapName("ZmOut", 4, ButtonState::Down), "ZmOut8Dn");
    EXPECT_EQ(ButtonBitmapName("SaveAs", 5, ButtonState::Inactive), "SaveAsXIn");
    for (int plain : {0, 1, 3, 6, 7}) EXPECT_EQ(ButtonBitmapName("Exit", plain, ButtonState::Inactive), "ExitIn");
    EXPECT_LE(ButtonBitmapName("SaveAll", 2, ButtonState::Up).size(), 11u);  // fits 12 bytes with its end
}

TEST(DriveRule, OnlyFixedAndRamDisks) {
    for (unsigned refused : {0u, 1u, 2u, 4u, 5u, 7u}) EXPECT_TRUE(IsRefusedDriveType(refused)) << refused;
    EXPECT_FALSE(IsRefusedDriveType(3));
    EXPECT_FALSE(IsRefusedDriveType(6));
}

TEST(UiLanguage, OnlyCodePage932IsJapanese) {
    EXPECT_TRUE(IsJapaneseCodePage(932));
    EXPECT_FALSE(IsJapaneseCodePage(1252));
    EXPECT_FALSE(IsJapaneseCodePage(936));
}

TEST(WindowGeometry, InspectorsAreCentredAndKeepTheirSize) {
    const WindowRect r = MainWindowRect(1024, 768, true);
    EXPECT_EQ(r.x, 292);
    EXPECT_EQ(r.y, 219);
    EXPECT_EQ(r.width, 440);
    EXPECT_EQ(r.height, 330);
    const WindowRect small = MainWindowRect(401, 300, true);  // a screen smaller than the window
    EXPECT_EQ(small.x, -19);
    EXPECT_EQ(small.y, -15);
    EXPECT_EQ(small.width, 440);
}

TEST(WindowGeometry, GalleriesTakeEightTenthsOfTheScreen) {
    const WindowRect r = MainWindowRect(1024, 768, false);
    EXPECT_EQ(r.width, 819);
    EXPECT_EQ(r.height, 614);
    EXPECT_EQ(r.x, 102);
    EXPECT_EQ(r.y, 77);
}

Bytes IcoOf(int32_t width, int32_t height, uint16_t bits) {
    IconSample sample(width, height, bits);
    MemorySource source(sample.file);
    Bytes ico;
    BuildIconFile(source, sample.entry, ico);
    return ico;
}

std::string Describe(const Bytes& ico) {
    MemorySource source(ico);
    std::string words;
    return DescribeIcoFile(source, words) ? words : "(refused)";
}

TEST(IcoDescription, ReadsLikeTheTitleOfTheShownIcon) {
    EXPECT_EQ(Describe(IcoOf(32, 32, 4)), "32 x 32 x 16 (766 Bytes)");
    EXPECT_EQ(Describe(IcoOf(16, 16, 8)), "16 x 16 x 256 (1406 Bytes)");
    EXPECT_EQ(Describe(IcoOf(48, 48, 24)), "48 x 48 x 16M (7358 Bytes)");
    EXPECT_EQ(Describe(IcoOf(32, 32, 1)), "32 x 32 x 2 (326 Bytes)");
}

TEST(IcoDescription, FollowsTheDirectoryToTheImage) {
    Bytes ico = IcoOf(32, 32, 4);
    Bytes moved(ico.begin(), ico.begin() + 22);
    moved.resize(30, 0);
    moved.insert(moved.end(), ico.begin() + 22, ico.end());
    Put32(moved, 18, 30);
    EXPECT_EQ(Describe(moved), "32 x 32 x 16 (766 Bytes)");
}

TEST(IcoDescription, TooShortFilesAreNotDescribed) {
    Bytes ico = IcoOf(32, 32, 4);
    EXPECT_EQ(Describe(Bytes(ico.begin(), ico.begin() + 21)), "(refused)");
    EXPECT_EQ(Describe(Bytes(ico.begin(), ico.begin() + 30)), "(refused)");
    Put32(ico, 18, 0xFFFFFFF0u);  // the image offset points past the end
    EXPECT_EQ(Describe(ico), "(refused)");
}

}  // namespace
