#include "tests/unit/memory_file_system.h"

namespace {

class MemorySink : public ByteSink {
public:
    MemorySink(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    bool Write(const uint8_t* bytes, size_t count) override {
        Bytes& file = fs_.files[path_];
        if (++fs_.writes == fs_.failWrite) {
            if (fs_.halfWrite) file.insert(file.end(), bytes, bytes + count / 2);
            return false;
        }
        file.insert(file.end(), bytes, bytes + count);
        return true;
    }
    bool Finish() override { return !fs_.failFinish; }

private:
    MemoryFileSystem& fs_;
    std::string path_;
};

class FailingSource : public MemorySource {
public:
    using MemorySource::MemorySource;
    int64_t ReadAt(int64_t, uint8_t*, size_t) override { return -1; }
};

}  // namespace

bool MemoryFileSystem::Remove(const std::string& path) {
    ++removes;
    return files.erase(path) != 0;
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to) {
    if (files.count(from) == 0) return false;
    const Bytes source = files[from];
    if (failCopy || failCopyOnce) {
        failCopyOnce = false;
        files[to] = Bytes(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(source.size() / 2));
        return false;
    }
    files[to] = source;
    return true;
}

bool MemoryFileSystem::Replace(const std::string& from, const std::string& to) {
    if (files.count(from) == 0) return false;
    if (failReplace) {
        if (replaceLosesTarget) files.erase(to);
        return false;
    }
    files[to] = files[from];
    files.erase(from);
    return true;
}

std::unique_ptr<ByteSource> MemoryFileSystem::OpenRead(const std::string& path) {
    if (files.count(path) == 0 || path == unreadable) return nullptr;
    if (path == readErrors) return std::make_unique<FailingSource>(files[path]);
    return std::make_unique<MemorySource>(files[path]);
}

std::unique_ptr<ByteSink> MemoryFileSystem::Create(const std::string& path) {
    if (failCreate) return nullptr;
    files[path].clear();
    return std::make_unique<MemorySink>(*this, path);
}
