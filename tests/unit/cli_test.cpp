// imgscan icons|bitmaps as a batch user calls it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "cli/list_command.h"
#include "tests/unit/test_images.h"

namespace {

class ListCommand : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes) {
        if (dir_.empty()) dir_ = FreshTestFolder("imgscan_list");
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    void TearDown() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }
    int Run(SearchKind kind, const std::vector<std::string>& words) {
        out_.str("");
        err_.str("");
        return RunListCommand(kind, words, out_, err_);
    }
    std::ostringstream out_, err_;
    std::filesystem::path dir_;
};

std::string Escaped(const std::string& path) {
    std::string text;
    for (const char c : path) {
        if (c == '\\' || c == '"') text += '\\';
        text += c;
    }
    return text;
}

TEST_F(ListCommand, JsonFollowsTheContract) {
    Bytes file(100, 0);
    Place(file, 100, IconImage(32, 32, 4, true));
    const std::string path = Write("one.exe", file);
    EXPECT_EQ(Run(SearchKind::Icons, {"--json", path}), 0);
    EXPECT_EQ(out_.str(), "{\"file\": \"" + Escaped(path) +
                              "\", \"fileSize\": 844, \"kind\": \"icons\", \"gallery\": false, \"limitReached\": "
                              "false, \"entries\": [{\"index\": 0, \"headerOffset\": 100, \"width\": 32, \"height\": "
                              "64, \"bitCount\": 4, \"colorCount\": 16, \"imageSize\": 640, \"maskSize\": 128, "
                              "\"isCompressed\": 0}]}\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ListCommand, TableShowsOffsetsAndTitleWords) {
    Bytes file(0x28, 0);
    Place(file, 0x28, BitmapImage(64, 48, 8));
    const std::string path = Write("one.dll", file);
    EXPECT_EQ(Run(SearchKind::Bitmaps, {path}), 0);
    EXPECT_EQ(out_.str(), "    0  00000028  64 x 48 x 256 RGB (4150 Bytes)\n");
}

TEST_F(ListCommand, NothingFoundStillPrintsJsonAndExitsOne) {
    const std::string path = Write("empty.dll", Bytes(10, 0));
    EXPECT_EQ(Run(SearchKind::Bitmaps, {path, "--json"}), 1);
    EXPECT_NE(out_.str().find("\"kind\": \"bitmaps\", \"gallery\": false, \"limitReached\": false, \"entries\": []}"),
              std::string::npos);
    EXPECT_EQ(err_.str(), "NO bitmap in the file.\n");
    const std::string bmp = Write("empty.BMP", Bytes(10, 0));
    EXPECT_EQ(Run(SearchKind::Bitmaps, {bmp}), 1);
    EXPECT_EQ(err_.str(), "Not a bitmap file with correct format.\n");
}

TEST_F(ListCommand, IcoNamesGetThePrecheckUnlessGallery) {
    Bytes ico(6, 0);
    ico[4] = 2;
    Place(ico, 38, IconImage(16, 16, 4));
    const std::string path = Write("two.Ico", ico);
    EXPECT_EQ(Run(SearchKind::Icons, {path, "--json"}), 2);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "More than one icon contained in the file.\n");
    EXPECT_EQ(Run(SearchKind::Icons, {"--gallery", path, "--json"}), 0);
    EXPECT_NE(out_.str().find("\"gallery\": true"), std::string::npos);
    const std::string none = Write("none.ico", Bytes{0, 0, 1, 0, 1, 0, 0, 0});
    EXPECT_EQ(Run(SearchKind::Icons, {none}), 1);
    EXPECT_EQ(err_.str(), "Not an icon file with correct format.\n");
}

TEST_F(ListCommand, LimitMessageGoesToStandardError) {
    Bytes file;
    for (int i = 0; i < 501; ++i) Place(file, file.size(), IconImage(8, 8, 1));
    const std::string path = Write("many.exe", file);
    EXPECT_EQ(Run(SearchKind::Icons, {path, "--json"}), 0);
    EXPECT_NE(out_.str().find("\"limitReached\": true"), std::string::npos);
    EXPECT_NE(out_.str().find("\"index\": 499,"), std::string::npos);
    EXPECT_EQ(out_.str().find("\"index\": 500,"), std::string::npos);
    EXPECT_EQ(err_.str(), "Over 500 icons in the file\nso that search is interrupted.\n");
    EXPECT_EQ(Run(SearchKind::Icons, {"--no-limit", path, "--json"}), 0);
    EXPECT_NE(out_.str().find("\"index\": 500,"), std::string::npos);
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ListCommand, ErrorsPrintNothingOnStandardOutput) {
    EXPECT_EQ(Run(SearchKind::Icons, {"/no/such/file.exe", "--json"}), 2);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), "Unable to open a source file.\n");
    EXPECT_EQ(Run(SearchKind::Bitmaps, {"/no/such/file.exe"}), 2);
    EXPECT_EQ(err_.str(), "Cannot open a target file.\n");
    EXPECT_EQ(Run(SearchKind::Bitmaps, {"--gallery", "x.exe"}), 2);
    EXPECT_EQ(Run(SearchKind::Icons, {}), 2);
    EXPECT_EQ(Run(SearchKind::Icons, {"a.exe", "b.exe"}), 2);
    EXPECT_EQ(out_.str(), "");
}

TEST_F(ListCommand, OnlyRegularFilesAreRead) {
    Write("x.exe", Bytes(10, 0));
    EXPECT_EQ(Run(SearchKind::Icons, {dir_.string()}), 2);  // a folder
    EXPECT_EQ(err_.str(), "Unable to open a source file.\n");
#ifndef _WIN32
    // A FIFO nobody writes to would block the reading for ever.
    const std::string fifo = (dir_ / "pipe.exe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run(SearchKind::Bitmaps, {fifo, "--json"}), 2);
    EXPECT_EQ(err_.str(), "Cannot open a target file.\n");
    EXPECT_EQ(out_.str(), "");
#endif
}

TEST(ListJson, EveryPathGivesAStringThatParses) {
    const ScanResult none;
    const auto file = [&](const std::string& path) {
        const std::string json = ListJson(path, SearchKind::Icons, none);
        return json.substr(10, json.find("\", \"fileSize\"") - 10);
    };
    EXPECT_EQ(file("caf\xC3\xA9 \xE6\x97\xA5.exe"), "caf\xC3\xA9 \xE6\x97\xA5.exe");  // UTF-8 stays as it is
    EXPECT_EQ(file("caf\xE9.exe"), "caf\\u00e9.exe");                              // Latin-1
    EXPECT_EQ(file("\x83\x5C\"\t.exe"), "\\u0083\\\\\\\"\\u0009.exe");           // Shift-JIS, quote, tab
    EXPECT_EQ(file("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE6\x97"),  // overlong, surrogate, too high, cut
              "\\u00c0\\u00af\\u00ed\\u00a0\\u0080\\u00f4\\u0090\\u0080\\u0080\\u00e6\\u0097");
}

}  // namespace
