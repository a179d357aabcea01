// A whole file written beside its name and swapped in: the name holds the old
// content or the new, and only what was created is ever removed.
#include <gtest/gtest.h>

#include "fileops/swap_write.h"
#include "tests/unit/memory_file_system.h"

namespace {

const std::string kTarget = "C:\\SAVED.ICO";
const Bytes kOld(300, 0x11), kNew(500, 0x22);

TEST(WriteNewFile, AFileTheUserAgreedToOverwriteIsOnlyEverReplacedWhole) {
    const struct {
        const char* name;
        void (*arm)(MemoryFileSystem&);
    } faults[] = {
        {"none", [](MemoryFileSystem&) {}},
        {"create", [](MemoryFileSystem& fs) { fs.failCreate = true; }},
        {"write, half-way", [](MemoryFileSystem& fs) { fs.failWrite = 1, fs.halfWrite = true; }},
        {"swap", [](MemoryFileSystem& fs) { fs.failReplace = true; }},
        {"every name beside taken", [](MemoryFileSystem& fs) {
             for (std::string name = kTarget + ".~"; name.size() <= 257; name += '~') fs.files[name] = kOld;
         }},
    };
    for (const auto& fault : faults) {
        MemoryFileSystem fs;
        fs.files[kTarget] = kOld;
        fault.arm(fs);
        const size_t files = fs.files.size();
        const bool saved = WriteNewFile(fs, kTarget, kNew.data(), kNew.size());
        EXPECT_EQ(saved, fault.name == std::string("none")) << fault.name;
        EXPECT_EQ(fs.files[kTarget], saved ? kNew : kOld) << fault.name;
        EXPECT_EQ(fs.onDisk.count(kTarget), saved ? 1u : 0u) << fault.name;  // flushed before the swap
        EXPECT_EQ(fs.files.size(), files) << fault.name;  // nothing left beside, nothing else touched
    }
}

}  // namespace
