#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "scan/byte_source.h"

// A file being written. Every write is checked; Finish flushes and closes and
// reports whether everything reached the file.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(const uint8_t* bytes, size_t count) = 0;
    // Puts what was written on the disk itself, not only out of the library's
    // and the system's buffers: done before a file takes the place of another.
    virtual bool FlushToDisk() = 0;
    virtual bool Finish() = 0;
};

// The one narrow way the file-changing code touches the file system, so that
// tests can hand in memory or make any step fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Copies `from` to `to`, replacing `to` if it exists.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Moves `from` to `to` in one step, replacing `to` if it exists and giving
    // the new file the attributes (permissions) of the one it replaces. Even
    // when it fails, `to` never stops existing: it holds the old content or the
    // new. Both lie in one folder.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    // nullptr when the file cannot be opened for reading.
    virtual std::unique_ptr<ByteSource> OpenRead(const std::string& path) = 0;
    // Creates (or truncates) a file for writing; nullptr when that fails.
    virtual std::unique_ptr<ByteSink> Create(const std::string& path) = 0;
};

// The real file system through the C and C++ libraries. Where the C runtime
// cannot replace a file in one step (Windows), Replace refuses to replace an
// existing file: the Windows programs and imgscan.exe use the frame's
// Win32FileSystem instead.
class StdFileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Replace(const std::string& from, const std::string& to) override;
    std::unique_ptr<ByteSource> OpenRead(const std::string& path) override;
    std::unique_ptr<ByteSink> Create(const std::string& path) override;
};

// True when `path` names a regular file (not a folder, FIFO or device, whose
// reading may block forever or never end).
bool IsRegularFile(const std::string& path);

// Writes `count` bytes as the whole content of `path`, created or truncated
// (temporary files). False when the file cannot be created or any write fails.
bool WriteWholeFile(FileSystem& fs, const std::string& path, const uint8_t* bytes, size_t count);

// Copies `from` to `to` through OpenRead and Create and flushes the copy to
// the disk (a backup is relied on). A failed copy may leave part of `to`.
bool CopyThroughSink(FileSystem& fs, const std::string& from, const std::string& to);
