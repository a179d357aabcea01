// The Windows file system's replacement: the new content in one step, the
// old file's attributes kept, and never a moment without the file.
#include "frame/win32_file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

bool Put(FileSystem& fs, const std::string& path, const std::string& text) {
    return WriteWholeFile(fs, path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string Get(FileSystem& fs, const std::string& path) {
    auto source = fs.OpenRead(path);
    std::string text(source ? static_cast<size_t>(source->Size()) : 0, '\0');
    if (source) source->ReadAt(0, reinterpret_cast<uint8_t*>(&text[0]), text.size());
    return text;
}

TEST(Win32FileSystem, ReplacesInOneStepKeepingTheAttributes) {
    Win32FileSystem fs;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "replaced" + std::to_string(GetCurrentProcessId()) + ".exe";
    const std::string beside = file + ".~";
    ASSERT_TRUE(Put(fs, file, "old"));

    // Replaces that cannot happen (nothing to move; the file held by a running
    // program) leave the file whole.
    EXPECT_FALSE(fs.Replace(beside, file));
    ASSERT_TRUE(Put(fs, beside, "new"));
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(fs.Replace(beside, file));
    CloseHandle(held);
    EXPECT_EQ(Get(fs, file), "old");

    // Another reader looks for the file all the while it is replaced again
    // and again: it finds it every time.
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    const DWORD attributes = GetFileAttributesA(file.c_str());
    std::atomic<bool> done{false};
    std::atomic<int> misses{0};
    std::thread watcher([&] {
        while (!done)
            if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) ++misses;
    });
    bool replaced = true;
    for (int i = 0; i < 300 && replaced; ++i) replaced = Put(fs, beside, std::to_string(i)) && fs.Replace(beside, file);
    done = true;
    watcher.join();
    EXPECT_TRUE(replaced);
    EXPECT_EQ(misses.load(), 0);
    EXPECT_EQ(Get(fs, file), "299");
    EXPECT_EQ(GetFileAttributesA(file.c_str()), attributes);
    EXPECT_FALSE(fs.Exists(beside));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(file.c_str());
}

// A read-only file is refused as Windows refuses to move over it, also where
// the system would let the move through (Wine run by root).
TEST(Win32FileSystem, LeavesAReadOnlyFileAsItIs) {
    Win32FileSystem fs;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "readonly" + std::to_string(GetCurrentProcessId()) + ".dll";
    const std::string beside = file + ".~";
    ASSERT_TRUE(Put(fs, file, "old"));
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(Put(fs, beside, "new"));
    EXPECT_FALSE(fs.Replace(beside, file));
    EXPECT_EQ(Get(fs, file), "old");
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY);
    DeleteFileA(beside.c_str());
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(file.c_str());
}

}  // namespace
