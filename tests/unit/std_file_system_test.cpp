// The real file system behind the file interface (also run under Wine, where
// the C runtime cannot replace a file in one step and refuses to).
#include <gtest/gtest.h>

#include <filesystem>

#include "fileops/file_system.h"
#include "tests/unit/test_images.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

class StdFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = FreshTestFolder("imgscan_files");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    Bytes Read(const std::string& name) {
        auto source = files_.OpenRead(Path(name));
        if (source == nullptr) return {};
        Bytes bytes(static_cast<size_t>(source->Size()));
        source->ReadAt(0, bytes.data(), bytes.size());
        return bytes;
    }

    fs::path dir_;
    StdFileSystem files_;
};

TEST_F(StdFiles, WriteCopyReplaceRemove) {
    const Bytes a(70000, 0xA1), b = {1, 2, 3};
    ASSERT_TRUE(WriteWholeFile(files_, Path("a"), a.data(), a.size()));
    ASSERT_TRUE(WriteWholeFile(files_, Path("b"), b.data(), b.size()));
    EXPECT_TRUE(files_.Exists(Path("a")));
    ASSERT_TRUE(files_.Copy(Path("a"), Path("c")));
    EXPECT_EQ(Read("c"), a);
#ifdef _WIN32
    EXPECT_FALSE(files_.Replace(Path("b"), Path("a")));  // would leave a moment without "a"
    EXPECT_EQ(Read("a"), a);
    ASSERT_TRUE(files_.Remove(Path("a")));
#endif
    ASSERT_TRUE(files_.Replace(Path("b"), Path("a")));  // over an existing file on POSIX
    EXPECT_EQ(Read("a"), b);
    EXPECT_FALSE(files_.Replace(Path("missing"), Path("a")));  // a replace that cannot happen
    EXPECT_EQ(Read("a"), b);
    EXPECT_FALSE(files_.Exists(Path("b")));
    EXPECT_TRUE(files_.Remove(Path("a")));
    EXPECT_FALSE(files_.Remove(Path("a")));
    EXPECT_FALSE(files_.Copy(Path("missing"), Path("d")));
    EXPECT_EQ(files_.OpenRead(Path("missing")), nullptr);
    EXPECT_EQ(files_.Create(Path("no/such/dir/x")), nullptr);
}

#ifndef _WIN32
TEST_F(StdFiles, ReplacingKeepsTheReplacedFilesPermissions) {
    const Bytes bytes = {7};
    ASSERT_TRUE(WriteWholeFile(files_, Path("prog"), bytes.data(), bytes.size()));
    ASSERT_TRUE(WriteWholeFile(files_, Path("prog.~"), bytes.data(), bytes.size()));
    chmod(Path("prog").c_str(), 0751);
    ASSERT_TRUE(files_.Replace(Path("prog.~"), Path("prog")));
    struct stat after {};
    ASSERT_EQ(stat(Path("prog").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0751u);
}
#endif

}  // namespace
