// The Windows file system's replacement: one step, the old file's attributes
// kept, and never a moment without the file.
#include "frame/win32_file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "fileops/swap_write.h"

namespace {

class Win32Files : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "win32files" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* name : {"prog.exe", "prog.exe.~", "prog.exe.~~"}) {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        RemoveDirectoryA(dir_.c_str());
    }
    std::string Path(const char* name) const { return dir_ + "\\" + name; }
    void Write(const char* name, const std::string& text) {
        ASSERT_TRUE(WriteWholeFile(files_, Path(name), reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    std::string Read(const char* name) {
        auto source = files_.OpenRead(Path(name));
        if (source == nullptr) return "(missing)";
        std::string text(static_cast<size_t>(source->Size()), '\0');
        source->ReadAt(0, reinterpret_cast<uint8_t*>(&text[0]), text.size());
        return text;
    }

    std::string dir_;
    Win32FileSystem files_;
};

TEST_F(Win32Files, ReplaceTakesTheNewContentAndKeepsTheAttributes) {
    Write("prog.exe", "old content");
    ASSERT_TRUE(SetFileAttributesA(Path("prog.exe").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    const DWORD before = GetFileAttributesA(Path("prog.exe").c_str());
    ASSERT_NE(before & FILE_ATTRIBUTE_HIDDEN, 0u);
    Write("prog.exe.~", "the new content");
    ASSERT_TRUE(files_.Replace(Path("prog.exe.~"), Path("prog.exe")));
    EXPECT_EQ(Read("prog.exe"), "the new content");
    EXPECT_EQ(GetFileAttributesA(Path("prog.exe").c_str()), before);
    EXPECT_FALSE(files_.Exists(Path("prog.exe.~")));

    // Through the core's writer: the same, and nothing left beside.
    const std::string saved = "saved again";
    ASSERT_TRUE(WriteNewFile(files_, Path("prog.exe"), reinterpret_cast<const uint8_t*>(saved.data()), saved.size()));
    EXPECT_EQ(Read("prog.exe"), saved);
    EXPECT_EQ(GetFileAttributesA(Path("prog.exe").c_str()), before);
    EXPECT_FALSE(files_.Exists(Path("prog.exe.~")));
}

TEST_F(Win32Files, AReplaceThatCannotHappenLeavesTheOriginalWhole) {
    Write("prog.exe", "old content");
    EXPECT_FALSE(files_.Replace(Path("prog.exe.~"), Path("prog.exe")));  // nothing to move
    EXPECT_EQ(Read("prog.exe"), "old content");

    // A file another program holds open without sharing its deletion (a
    // running program) is refused, not half replaced.
    Write("prog.exe.~", "new");
    HANDLE held = CreateFileA(Path("prog.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files_.Replace(Path("prog.exe.~"), Path("prog.exe")));
    CloseHandle(held);
    EXPECT_EQ(Read("prog.exe"), "old content");
    EXPECT_EQ(Read("prog.exe.~"), "new");
}

// Another reader looks for the file all the time the file is replaced again
// and again: it must find it every time.
TEST_F(Win32Files, TheFileNeverStandsMissingDuringReplaces) {
    Write("prog.exe", "0");
    const std::string target = Path("prog.exe");
    std::atomic<bool> done{false};
    std::atomic<int> looks{0}, misses{0};
    std::thread watcher([&] {
        while (!done) {
            ++looks;
            if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES) ++misses;
        }
    });
    for (int i = 0; i < 300; ++i) {
        Write("prog.exe.~", std::to_string(i));
        ASSERT_TRUE(files_.Replace(Path("prog.exe.~"), target));
    }
    done = true;
    watcher.join();
    EXPECT_EQ(Read("prog.exe"), "299");
    EXPECT_GT(looks.load(), 0);
    EXPECT_EQ(misses.load(), 0) << "of " << looks.load() << " looks";
}

}  // namespace
