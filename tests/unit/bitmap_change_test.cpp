// Replacing a bitmap and writing a palette back in place.
#include <gtest/gtest.h>

#include "fileops/bitmap_replacement.h"
#include "fileops/palette_writeback.h"
#include "imaging/bmp_description.h"
#include "imaging/bmp_layout.h"
#include "tests/unit/memory_file_system.h"

namespace {

const std::string kDll = "D:\\LIB.DLL";
const std::string kBmp = "D:\\NEW.BMP";

// A DLL-like file with one 8 x 4, 16-colour bitmap at offset 200.
Bytes FileWithBitmap() {
    Bytes file(200, 0x90);
    InfoHeader h;
    h.width = 8;
    h.height = 4;
    h.bitCount = 4;
    h.sizeImage = 16;
    h.clrUsed = 16;
    Place(file, 200, HeaderBytes(h));
    file.resize(240 + 64 + 16, 0x11);
    file.resize(file.size() + 100, 0x90);
    return file;
}

FoundImage EntryOf(const Bytes& file) {
    const ScanResult scan = Scan(file, SearchKind::Bitmaps);
    EXPECT_EQ(scan.entries.size(), 1u);
    return scan.entries.empty() ? FoundImage{} : scan.entries[0];
}

// A .bmp of the same style whose palette and bits are `fill`.
Bytes BmpFile(uint8_t fill, int32_t width = 8, int32_t height = 4) {
    Bytes file = FileWithBitmap();
    Put32(file, 204, static_cast<uint32_t>(width));
    Put32(file, 208, static_cast<uint32_t>(height));
    std::fill(file.begin() + 240, file.begin() + 320, fill);
    FoundImage e = EntryOf(FileWithBitmap());
    MemorySource source(file);
    Bytes bmp;
    BuildBitmapFile(source, e, bmp);
    return bmp;
}

struct Fixture {
    MemoryFileSystem fs;
    Bytes original = FileWithBitmap();
    FoundImage entry = EntryOf(original);

    Fixture() { fs.files[kDll] = original; }
    ChangeOutcome Replace(const Bytes& bmp) {
        fs.files[kBmp] = bmp;
        return ReplaceBitmap(fs, kDll, entry, kBmp);
    }
};

TEST(BitmapReplacement, SameStyleReplacesHeaderPaletteAndBits) {
    Fixture f;
    const Bytes bmp = BmpFile(0x77);
    const ChangeOutcome outcome = f.Replace(bmp);
    ASSERT_EQ(outcome.result, ChangeResult::Done);
    EXPECT_EQ(outcome.backupPath, "D:\\LIB.000");
    EXPECT_EQ(f.fs.files[outcome.backupPath], f.original);
    Bytes expected = f.original;
    std::copy(bmp.begin() + 14, bmp.end(), expected.begin() + 200);
    EXPECT_EQ(f.fs.files[kDll], expected);
}

TEST(BitmapReplacement, OtherCompressionOrBitCountWithTheSameSizesIsAccepted) {
    Fixture f;
    Bytes bmp = BmpFile(0x01);
    bmp[14 + 16] = 2;  // RLE4
    EXPECT_EQ(f.Replace(bmp).result, ChangeResult::Done);
    EXPECT_EQ(f.fs.files[kDll][200 + 16], 2);
}

TEST(BitmapReplacement, RefusalsAreDistinct) {
    const auto refused = [](const Bytes& bmp) {
        Fixture f;
        const ChangeResult result = f.Replace(bmp).result;
        EXPECT_EQ(f.fs.files[kDll], f.original);
        EXPECT_EQ(f.fs.files.size(), 2u);
        return result;
    };
    EXPECT_EQ(refused(BmpFile(1, 4, 8)), ChangeResult::DifferentStyle);  // same size, other shape
    Bytes bmp = BmpFile(1);
    Put32(bmp, 10, 54);  // other palette length
    EXPECT_EQ(refused(bmp), ChangeResult::DifferentStyle);
    bmp = BmpFile(1);
    bmp.push_back(0);
    Put32(bmp, 2, static_cast<uint32_t>(bmp.size()));  // other biSizeImage, other file size
    EXPECT_EQ(refused(bmp), ChangeResult::DifferentStyle);
    bmp = BmpFile(1);
    bmp[0] = 'X';
    EXPECT_EQ(refused(bmp), ChangeResult::NotABitmapFile);
    bmp = BmpFile(1);
    bmp.pop_back();  // promises one byte more than it holds
    EXPECT_EQ(refused(bmp), ChangeResult::NotABitmapFile);
    EXPECT_EQ(refused(Bytes{'B', 'M', 0}), ChangeResult::NotABitmapFile);

    Fixture f;
    f.fs.unreadable = kBmp;
    EXPECT_EQ(f.Replace(BmpFile(1)).result, ChangeResult::NewImageUnreadable);
    f.fs.unreadable = kDll;
    EXPECT_EQ(f.Replace(BmpFile(1)).result, ChangeResult::SourceUnreadable);
}

TEST(BitmapReplacementFaults, EveryFailingStepLeavesTheFileAsItWas) {
    struct Fault {
        const char* name;
        void (*arm)(MemoryFileSystem&);
        ChangeResult expected;
    };
    const Fault faults[] = {
        {"backup copy", [](MemoryFileSystem& fs) { fs.failCopy = true; }, ChangeResult::BackupCopyFailed},
        {"backup open", [](MemoryFileSystem& fs) { fs.unreadable = "D:\\LIB.000"; }, ChangeResult::BackupUnreadable},
        {"create", [](MemoryFileSystem& fs) { fs.failCreate = true; }, ChangeResult::TargetCreateFailed},
        {"first write", [](MemoryFileSystem& fs) { fs.failWrite = 1; }, ChangeResult::WriteFailed},
        {"image write, half", [](MemoryFileSystem& fs) { fs.failWrite = 2, fs.halfWrite = true; }, ChangeResult::WriteFailed},
        {"last write", [](MemoryFileSystem& fs) { fs.failWrite = 3; }, ChangeResult::WriteFailed},
        {"finish", [](MemoryFileSystem& fs) { fs.failFinish = true; }, ChangeResult::WriteFailed},
        {"swap", [](MemoryFileSystem& fs) { fs.failReplace = true; }, ChangeResult::SwapFailed},
        {"swap losing the file", [](MemoryFileSystem& fs) { fs.failReplaceOnce = fs.replaceLosesTarget = true; },
         ChangeResult::SwapFailed},
    };
    for (const Fault& fault : faults) {
        Fixture f;
        fault.arm(f.fs);
        EXPECT_EQ(f.Replace(BmpFile(0x55)).result, fault.expected) << fault.name;
        EXPECT_EQ(f.fs.files[kDll], f.original) << fault.name;
        EXPECT_EQ(f.fs.files.count(kDll + ".~"), 0u) << fault.name;
    }
}

TEST(PaletteWriteBack, OnlyThePaletteChanges) {
    Fixture f;
    const Bytes palette(64, 0xAB);
    const ChangeOutcome outcome = SavePalette(f.fs, kDll, f.entry, palette);
    ASSERT_EQ(outcome.result, ChangeResult::Done);
    Bytes expected = f.original;
    std::copy(palette.begin(), palette.end(), expected.begin() + 240);
    EXPECT_EQ(f.fs.files[kDll], expected);
    EXPECT_EQ(f.fs.files[outcome.backupPath], f.original);
}

TEST(PaletteWriteBack, BmpFilePaletteLiesAtOffset54) {
    MemoryFileSystem fs;
    Bytes bmp = BmpFile(0x01);
    fs.files["P.BMP"] = bmp;
    const FoundImage e = EntryOf(bmp);
    ASSERT_EQ(e.headerOffset, 14);
    ASSERT_EQ(SavePalette(fs, "P.BMP", e, Bytes(64, 0xCD)).result, ChangeResult::Done);
    std::fill(bmp.begin() + 54, bmp.begin() + 118, 0xCD);
    EXPECT_EQ(fs.files["P.BMP"], bmp);
    EXPECT_EQ(fs.files.count("P.000"), 1u);
}

TEST(PaletteWriteBack, PaletteThatIsNotTheEntrysIsRefused) {
    Fixture f;
    EXPECT_EQ(SavePalette(f.fs, kDll, f.entry, Bytes(60, 0)).result, ChangeResult::SourceUnreadable);
    f.fs.failWrite = 2;
    f.fs.halfWrite = true;
    EXPECT_EQ(SavePalette(f.fs, kDll, f.entry, Bytes(64, 0)).result, ChangeResult::WriteFailed);
    EXPECT_EQ(f.fs.files[kDll], f.original);
}

TEST(SelectedBitmapWords, BmpFileIsDescribedLikeTheShownBitmap) {
    Bytes bmp = {'B', 'M', 0x6A, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Place(bmp, 14, HeaderBytes({64, 48, 8, 1, 2000, 0, 0, 0}));
    MemorySource rle(bmp);
    std::string words;
    ASSERT_TRUE(DescribeBmpFile(rle, words));
    EXPECT_EQ(words, "64 x 48 x 256 RLE (3178 Bytes)");
    bmp[0] = 'X';
    MemorySource notBmp(bmp);
    EXPECT_FALSE(DescribeBmpFile(notBmp, words));
    MemorySource tooShort(Bytes{'B', 'M', 0});
    EXPECT_FALSE(DescribeBmpFile(tooShort, words));
}

}  // namespace
