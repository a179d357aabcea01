#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The one narrow way the core reads a file, so that tests can hand in memory
// or a source that fails.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual int64_t Size() const = 0;
    // Reads up to `count` bytes at `offset` into `out`. Returns the number of
    // bytes read (fewer at the end of the source), or -1 when reading failed.
    virtual int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override;
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// A file opened read-only in binary mode. IsOpen() is false when it failed.
class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    int64_t Size() const override { return size_; }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override;

private:
    std::FILE* file_ = nullptr;
    int64_t size_ = 0;
};
