// imgscan's writers as a batch user calls them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/write_commands.h"
#include "tests/unit/command_folder.h"
#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"
#include "tests/unit/icon_samples.h"

namespace {

namespace fs = std::filesystem;

class WriteCommand : public CommandFolder {
protected:
    WriteCommand() : CommandFolder("imgscan_write") {}

};

TEST_F(WriteCommand, ExtractIconRenderIconAndExtractBitmapWriteTheLayouts) {
    IconSample sample(32, 32, 4);
    const std::string exe = Write("app.exe", sample.file);
    ASSERT_EQ(Run("extract-icon", {exe, "0", Path("a.ico")}), 0);
    EXPECT_EQ(out_.str(), Path("a.ico") + "\n");
    MemorySource source(sample.file);
    Bytes expected;
    BuildIconFile(source, sample.entry, expected);
    EXPECT_EQ(Read("a.ico"), expected);

    ASSERT_EQ(Run("render-icon", {exe, "0", Path("r.bmp"), "--mask-color", "ff8000"}), 0);
    const Bytes bmp = Read("r.bmp");
    ASSERT_EQ(bmp.size(), 118u + 512u);
    EXPECT_EQ(Get32(bmp, 10), 118u);

    // An icon is no bitmap: 64 four-bit rows of 16 bytes would need 1024 bytes, not 640.
    EXPECT_EQ(Run("extract-bitmap", {exe, "0", Path("b.bmp")}), 2);
    EXPECT_EQ(err_.str(), "NO bitmap in the file.\n");
    EXPECT_EQ(out_.str(), "");
}

TEST_F(WriteCommand, ExtractAllUsesNumberedNames) {
    Bytes file(40, 0);
    for (int i = 0; i < 3; ++i) Place(file, file.size(), BitmapImage(8, 4, 24));
    file.resize(file.size() + 40, 0);
    const std::string dll = Write("pic.dll", file);
    ASSERT_EQ(Run("extract", {"bitmaps", dll, dir_.string()}), 0);
    EXPECT_EQ(Read("pic000.BMP").size(), 54u + 96u);
    EXPECT_EQ(Read("pic002.BMP").size(), 54u + 96u);
    EXPECT_EQ(err_.str(), "Succeeded to save bitmap(s) as bitmap file(s).\n");
    EXPECT_EQ(Run("extract", {"pictures", dll, dir_.string()}), 2);
}

TEST_F(WriteCommand, ReplaceIconPrintsTheBackupOrTheRefusal) {
    IconSample target(32, 32, 4);
    IconSample other(32, 32, 4);
    other.SetXorByte(0, 0, 0x99);
    const std::string exe = Write("app.exe", target.file);
    const std::string otherExe = Write("other.exe", other.file);
    ASSERT_EQ(Run("extract-icon", {otherExe, "0", Path("new.ico")}), 0);

    ASSERT_EQ(Run("replace-icon", {exe, "0", Path("new.ico")}), 0);
    EXPECT_EQ(out_.str(), Path("app.000") + "\n");
    EXPECT_EQ(err_.str(), "The original file has been saved\nas app.000.\n");
    EXPECT_EQ(Read("app.exe"), other.file);
    EXPECT_EQ(Read("app.000"), target.file);

    IconSample wide(48, 48, 8);
    Write("wide.exe", wide.file);
    ASSERT_EQ(Run("extract-icon", {Path("wide.exe"), "0", Path("wide.ico")}), 0);
    EXPECT_EQ(Run("replace-icon", {exe, "0", Path("wide.ico")}), 2);
    EXPECT_EQ(err_.str(), "Unable to replace the icon in the file because of\ndifferent style (Size, Width, Height, Colors).\n");
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(Run("replace-icon", {exe, "0", Path("missing.ico")}), 2);
    EXPECT_EQ(err_.str(), "No selected file in the directory.\n");
    EXPECT_EQ(Read("app.exe"), other.file);
    EXPECT_FALSE(fs::exists(Path("app.001")));
}

TEST_F(WriteCommand, BadArgumentsAreErrors) {
    IconSample sample(16, 16, 4);
    const std::string exe = Write("app.exe", sample.file);
    EXPECT_EQ(Run("extract-icon", {exe, "x", Path("a.ico")}), 2);
    EXPECT_EQ(Run("extract-icon", {exe, "1", Path("a.ico")}), 2);
    EXPECT_EQ(err_.str(), "imgscan: no entry 1 (1 found)\n");
    EXPECT_EQ(Run("render-icon", {exe, "0", Path("r.bmp"), "--mask-color", "12345"}), 2);
    EXPECT_EQ(Run("extract-icon", {exe, "0", Path("no/such/dir/a.ico")}), 2);
    EXPECT_EQ(err_.str(), "Unable to make a target file.\n");
    EXPECT_EQ(Run("render-icon", {exe, "0", Path("no/such/dir/r.bmp")}), 2);
    EXPECT_EQ(err_.str(), "Unable to make a temporary bitmap file.\n");
    EXPECT_EQ(out_.str(), "");
}

}  // namespace
