// Backup names and the temporary names of the display copies.
#include <gtest/gtest.h>

#include <cstdio>

#include "fileops/backup_numbering.h"
#include "tests/unit/memory_file_system.h"

namespace {

std::string Numbered(const std::string& base, int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", n);
    return base + digits;
}

TEST(BackupNumbering, FirstFreeNumber) {
    MemoryFileSystem fs;
    for (int n = 0; n < 5; ++n) fs.files[Numbered("C:\\DATA\\APP.", n)] = {};
    const BackupName name = NextBackupName(fs, "C:\\DATA\\APP.EXE");
    EXPECT_EQ(name.path, "C:\\DATA\\APP.005");
    EXPECT_EQ(name.number, 5);
    EXPECT_FALSE(name.wrapped);
}

TEST(BackupNumbering, AllThousandUsedAreDeletedAndNumberingRestarts) {
    MemoryFileSystem fs;
    for (int n = 0; n < 1000; ++n) fs.files[Numbered("C:\\APP.", n)] = {1};
    fs.files["C:\\APP.EXE"] = {2};
    const BackupName name = NextBackupName(fs, "C:\\APP.EXE");
    EXPECT_TRUE(name.wrapped);
    EXPECT_EQ(name.path, "C:\\APP.000");
    EXPECT_EQ(fs.files.size(), 1u);  // only the file itself is left
}

TEST(BackupNumbering, NameWithoutThreeLetterExtensionLosesThreeCharacters) {
    MemoryFileSystem fs;
    EXPECT_EQ(NextBackupName(fs, "C:\\READ.ME").path, "C:\\READ000");
    EXPECT_EQ(FileNamePart("C:\\DATA\\APP.005"), "APP.005");
    EXPECT_EQ(FileNamePart("/tmp/x/APP.005"), "APP.005");
}

TEST(TemporaryNames, DisplayCopyGetsOneMoreBangWhileTheNameIsTaken) {
    MemoryFileSystem fs;
    const std::string dir = "C:\\users\\root\\Temp\\";
    EXPECT_EQ(DisplayCopyPath(fs, dir, DisplayCopyOwner::IconInspector), dir + "!_tmp_!.ic!");
    fs.files[dir + "!_tmp_!.bm!"] = {};
    fs.files[dir + "!_tmp_!!.bm!"] = {};
    EXPECT_EQ(DisplayCopyPath(fs, dir, DisplayCopyOwner::BitmapInspector), dir + "!_tmp_!!!.bm!");
    EXPECT_EQ(DisplayCopyPath(fs, "C:\\TEMP", DisplayCopyOwner::IconInspector), "C:\\TEMP\\!_tmp_!.ic!");
}

TEST(TemporaryNames, GalleriesUseFixedNames) {
    EXPECT_EQ(GalleryTempPath("C:\\TEMP", GalleryOwner::IconGallery), "C:\\TEMP\\MORDEL!!.TMP");
    EXPECT_EQ(GalleryTempPath("C:\\TEMP\\", GalleryOwner::BitmapGallery), "C:\\TEMP\\ZANDO!!!.TMP");
    EXPECT_EQ(GalleryTempPath("/tmp", GalleryOwner::BitmapGallery), "/tmp/ZANDO!!!.TMP");
}

}  // namespace
