// A whole file written beside its name and swapped in: the name holds the old
// content or the new one, and only what was created is ever removed.
#include <gtest/gtest.h>

#include "fileops/swap_write.h"
#include "tests/unit/memory_file_system.h"

namespace {

const std::string kTarget = "C:\\SAVED.ICO";
const Bytes kOld(300, 0x11), kNew(500, 0x22);

bool Save(MemoryFileSystem& fs) { return WriteNewFile(fs, kTarget, kNew.data(), kNew.size()); }

TEST(WriteNewFile, TheNewContentIsOnTheDiskBeforeItTakesTheName) {
    MemoryFileSystem fs;
    fs.files[kTarget] = kOld;
    fs.files[kTarget + ".~"] = {};  // someone else's file beside it
    ASSERT_TRUE(Save(fs));
    EXPECT_EQ(fs.files[kTarget], kNew);
    EXPECT_EQ(fs.onDisk.count(kTarget), 1u);  // the swap refuses unflushed content
    EXPECT_EQ(fs.files.size(), 2u);
    EXPECT_EQ(fs.files[kTarget + ".~"], Bytes{});
}

TEST(WriteNewFile, AFailureLeavesAFileTheUserAgreedToOverwrite) {
    const struct {
        const char* name;
        void (*arm)(MemoryFileSystem&);
    } faults[] = {
        {"create", [](MemoryFileSystem& fs) { fs.failCreate = true; }},
        {"write, half-way", [](MemoryFileSystem& fs) { fs.failWrite = 1, fs.halfWrite = true; }},
        {"disk full", [](MemoryFileSystem& fs) { fs.spaceLeft = 100; }},
        {"finish", [](MemoryFileSystem& fs) { fs.failFinish = true; }},
        {"swap", [](MemoryFileSystem& fs) { fs.failReplace = true; }},
    };
    for (const auto& fault : faults) {
        MemoryFileSystem fs;
        fs.files[kTarget] = kOld;
        fault.arm(fs);
        EXPECT_FALSE(Save(fs)) << fault.name;
        EXPECT_EQ(fs.files[kTarget], kOld) << fault.name;
        EXPECT_EQ(fs.files.size(), 1u) << fault.name;  // nothing left beside it
    }
}

TEST(WriteNewFile, AFailedNewFileLeavesNothing) {
    MemoryFileSystem fs;
    fs.failWrite = 1;
    EXPECT_FALSE(Save(fs));
    EXPECT_TRUE(fs.files.empty());
}

TEST(WriteNewFile, EveryNameBesideTakenIsACreateFailure) {
    MemoryFileSystem fs;
    for (std::string name = kTarget + ".~"; name.size() <= 257; name += '~') fs.files[name] = kOld;
    const size_t taken = fs.files.size();
    EXPECT_EQ(BesidePath(fs, kTarget), "");
    EXPECT_FALSE(Save(fs));
    EXPECT_EQ(fs.files.size(), taken);
    for (const auto& file : fs.files) EXPECT_EQ(file.second, kOld);
}

}  // namespace
