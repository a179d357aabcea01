#include "fileops/file_system.h"

#include <cstdio>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class StdSink : public ByteSink {
public:
    explicit StdSink(std::FILE* file) : file_(file) {}
    ~StdSink() override {
        if (file_ != nullptr) std::fclose(file_);
    }
    bool Write(const uint8_t* bytes, size_t count) override {
        return file_ != nullptr && std::fwrite(bytes, 1, count, file_) == count;
    }
    bool Finish() override {
        if (file_ == nullptr) return false;
        const bool flushed = std::fflush(file_) == 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return flushed && closed;
    }

private:
    std::FILE* file_;
};

}  // namespace

bool StdFileSystem::Exists(const std::string& path) {
#ifdef _WIN32
    return _access(path.c_str(), 0) == 0;
#else
    return access(path.c_str(), F_OK) == 0;
#endif
}

bool StdFileSystem::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool StdFileSystem::Copy(const std::string& from, const std::string& to) {
    auto source = OpenRead(from);
    if (source == nullptr) return false;
    auto sink = Create(to);
    if (sink == nullptr) return false;
    std::vector<uint8_t> block(64 * 1024);
    for (int64_t done = 0; done < source->Size();) {
        const int64_t n = source->ReadAt(done, block.data(), block.size());
        if (n <= 0 || !sink->Write(block.data(), static_cast<size_t>(n))) return false;
        done += n;
    }
    return sink->Finish();
}

bool StdFileSystem::Replace(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // The C runtime's rename does not replace; the caller restores `to` from
    // its backup should the second step fail.
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    return std::remove(to.c_str()) == 0 && std::rename(from.c_str(), to.c_str()) == 0;
#else
    // The new content takes the place of the old file with its permissions.
    struct stat old {};
    if (stat(to.c_str(), &old) == 0) chmod(from.c_str(), old.st_mode & 07777);
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

std::unique_ptr<ByteSource> StdFileSystem::OpenRead(const std::string& path) {
    auto file = std::make_unique<FileSource>(path);
    if (!file->IsOpen()) return nullptr;
    return file;
}

std::unique_ptr<ByteSink> StdFileSystem::Create(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return nullptr;
    return std::make_unique<StdSink>(file);
}

bool WriteWholeFile(FileSystem& fs, const std::string& path, const uint8_t* bytes, size_t count) {
    auto sink = fs.Create(path);
    if (sink == nullptr) return false;
    const bool written = sink->Write(bytes, count);
    return sink->Finish() && written;
}
