#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "fileops/file_system.h"
#include "tests/unit/test_images.h"

// Files in memory, with a switch for every way a step can fail.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, Bytes> files;

    // Faults. A write number counts every Write call of every sink, from 1.
    int failWrite = 0;           // this write fails
    bool halfWrite = false;      // ... after writing half of its bytes
    bool failFinish = false;     // Finish fails (the data did not reach the disk)
    bool failCreate = false;
    bool failCopy = false;       // Copy fails after writing half of the target
    bool failCopyOnce = false;   // only the first Copy fails
    bool failReplace = false;
    bool failReplaceOnce = false;     // only the first Replace fails
    bool replaceLosesTarget = false;  // a failing Replace has already removed its target
    int64_t spaceLeft = INT64_MAX;    // bytes the disk still takes; a write beyond stops there and fails
    std::string unreadable;      // OpenRead of this path fails
    std::string readErrors;      // ReadAt of this path fails

    int writes = 0;              // Write calls so far
    int removes = 0;
    std::set<std::string> onDisk;  // written files whose sink flushed them to the disk since their last write

    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool Remove(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    // Like a crash right after it, refuses to move content that was never
    // flushed to the disk.
    bool Replace(const std::string& from, const std::string& to) override;
    std::unique_ptr<ByteSource> OpenRead(const std::string& path) override;
    std::unique_ptr<ByteSink> Create(const std::string& path) override;

    // Appends to `file` what the disk has room for; false when not all of it.
    bool Store(Bytes& file, const uint8_t* bytes, size_t count);
};
