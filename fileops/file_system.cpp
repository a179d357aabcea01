#include "fileops/file_system.h"

#include <cstdio>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
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
    bool FlushToDisk() override {
        if (file_ == nullptr || std::fflush(file_) != 0) return false;
#ifdef _WIN32
        return _commit(_fileno(file_)) == 0;
#else
        return fsync(fileno(file_)) == 0;
#endif
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

#ifndef _WIN32
// Makes a rename in the folder of `path` durable.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}
#endif

}  // namespace

bool StdFileSystem::Exists(const std::string& path) {
#ifdef _WIN32
    return _access(path.c_str(), 0) == 0;
#else
    return access(path.c_str(), F_OK) == 0;
#endif
}

bool StdFileSystem::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool StdFileSystem::Copy(const std::string& from, const std::string& to) { return CopyThroughSink(*this, from, to); }

bool CopyThroughSink(FileSystem& fs, const std::string& from, const std::string& to) {
    auto source = fs.OpenRead(from);
    if (source == nullptr) return false;
    auto sink = fs.Create(to);
    if (sink == nullptr) return false;
    std::vector<uint8_t> block(64 * 1024);
    for (int64_t done = 0; done < source->Size();) {
        const int64_t n = source->ReadAt(done, block.data(), block.size());
        if (n <= 0 || !sink->Write(block.data(), static_cast<size_t>(n))) return false;
        done += n;
    }
    return sink->FlushToDisk() && sink->Finish();
}

bool StdFileSystem::Replace(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // The C runtime's rename does not replace, and removing `to` first would
    // leave a moment without it: an existing `to` is refused.
    return std::rename(from.c_str(), to.c_str()) == 0;
#else
    // The new content takes the place of the old file with its permissions.
    struct stat old {};
    if (stat(to.c_str(), &old) == 0) chmod(from.c_str(), old.st_mode & 07777);
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    SyncFolderOf(to);
    return true;
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

bool IsRegularFile(const std::string& path) {
#ifdef _WIN32
    struct _stat64 info {};
    return _stat64(path.c_str(), &info) == 0 && (info.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}
