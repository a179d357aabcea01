#include "frame/dib_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/frame_state.h"
#include "tests/win/message_catcher.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A BMP file: file header, info header, `colors` table entries, `bitsSize` bytes.
Bytes Bmp(int32_t width, int32_t height, uint16_t bitCount, uint32_t clrUsed, uint32_t colors, uint32_t bitsSize) {
    Bytes b(54 + 4 * colors + bitsSize);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, 54 + 4 * colors);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(width));
    Put32(b, 22, static_cast<uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, bitCount);
    Put32(b, 46, clrUsed);
    return b;
}

class DibFile : public ::testing::Test {
protected:
    // Writes `bytes` to a temporary file and reads it as the DibImage.
    bool Read(const Bytes& bytes) {
        char folder[MAX_PATH], path[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "dib", 0, path);
        path_ = path;
        HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(out);
        HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool read = ReadDibFile(dib_, nullptr, in);
        CloseHandle(in);
        return read;
    }
    void TearDown() override {
        FreeDib(dib_);
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    DibImage dib_;
    std::string path_;
    MessageCatcher messages_;
};

TEST_F(DibFile, PaletteDepthsGetTheirImpliedTableWrittenBack) {
    ASSERT_TRUE(Read(Bmp(4, 2, 8, 0, 256, 8)));
    ASSERT_TRUE(LockDib(dib_));
    EXPECT_EQ(dib_.colorEntries, 256);
    EXPECT_EQ(dib_.info->bmiHeader.biClrUsed, 256u);
    EXPECT_EQ(dib_.bits, dib_.base + 40 + 1024);
    UnlockDib(dib_);
    EXPECT_EQ(dib_.bits, nullptr);
    EXPECT_TRUE(messages_.Boxes().empty());
}

TEST_F(DibFile, TwentyFourBitsHaveNoTableAndGetTheirImageSize) {
    Bytes file = Bmp(3, 2, 24, 0, 0, 24);
    Put32(file, 10, 0);  // bfOffBits 0: the bits follow the (empty) table
    ASSERT_TRUE(Read(file));
    ASSERT_TRUE(LockDib(dib_));
    EXPECT_EQ(dib_.colorEntries, 0);
    EXPECT_EQ(dib_.info->bmiHeader.biSizeImage, 24u);  // rows of 9 bytes padded to 12
    EXPECT_EQ(dib_.bits, dib_.base + 40);
    UnlockDib(dib_);
}

TEST_F(DibFile, BadFilesGetTheirMessageAndLeaveNoBlock) {
    EXPECT_FALSE(Read(Bytes{'B', 'M', 0}));
    EXPECT_EQ(messages_.OnlyText(), "Unable to read bitmap file header.");
    EXPECT_EQ(messages_.Boxes()[0].caption, "Read Error");
}

TEST_F(DibFile, AProgramFileShowsItsMagicNumber) {
    Bytes exe = Bmp(1, 1, 1, 0, 2, 4);
    exe[0] = 'M', exe[1] = 'Z';
    EXPECT_FALSE(Read(exe));
    EXPECT_EQ(messages_.OnlyText(), "Bad magic number (0x5a4d) in bitmap.");
}

TEST_F(DibFile, AFileShorterThanItsHeaderSaysIsRefusedAndFreed) {
    Bytes file = Bmp(4, 2, 8, 0, 256, 8);
    Put32(file, 2, static_cast<uint32_t>(file.size() + 10));
    EXPECT_FALSE(Read(file));
    EXPECT_EQ(messages_.OnlyText(), "Unable to read bitmap info header.");
    EXPECT_EQ(dib_.block, nullptr);
}

TEST_F(DibFile, OtherInfoHeadersAreRefused) {
    Bytes file = Bmp(4, 2, 8, 0, 256, 8);
    Put32(file, 14, 12);
    EXPECT_FALSE(Read(file));
    EXPECT_EQ(messages_.OnlyText(), "Illegal structure size is found in info header.");
    EXPECT_EQ(messages_.Boxes()[0].caption, "File Error");
    EXPECT_EQ(dib_.block, nullptr);
}

TEST_F(DibFile, ATableOrBitsBeyondTheFileAreRefusedBeforeAnyPainting) {
    EXPECT_FALSE(Read(Bmp(4, 2, 8, 300, 256, 8)));  // biClrUsed larger than the file
    EXPECT_FALSE(Read(Bmp(64, 64, 8, 0, 256, 8)));   // bits for 64 rows, 8 bytes given
    Bytes beforeHeader = Bmp(4, 2, 8, 0, 256, 8);
    Put32(beforeHeader, 10, 4);  // bits inside the file header
    EXPECT_FALSE(Read(beforeHeader));
    ASSERT_EQ(messages_.Boxes().size(), 3u);
    for (const auto& box : messages_.Boxes()) EXPECT_EQ(box.text, "Unable to read bitmap info header.");
    EXPECT_EQ(dib_.block, nullptr);
}

TEST(GlobalLockGuard, LocksOnFirstUseAndUnlocksWhenLeft) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 64);
    {
        GlobalLockGuard guard(block);
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
        void* address = guard.Address();
        EXPECT_NE(address, nullptr);
        EXPECT_EQ(guard.Address(), address);  // one lock, however often asked
        EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 1u);
        EXPECT_GE(guard.Size(), 64u);
    }
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(block);
}

}  // namespace
