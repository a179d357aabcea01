#include "tests/unit/memory_file_system.h"

#include <algorithm>

namespace {

class MemorySink : public ByteSink {
public:
    MemorySink(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    bool Write(const uint8_t* bytes, size_t count) override {
        Bytes& file = fs_.files[path_];
        fs_.onDisk.erase(path_);
        if (++fs_.writes == fs_.failWrite) {
            if (fs_.halfWrite) fs_.Store(file, bytes, count / 2);
            return false;
        }
        return fs_.Store(file, bytes, count);
    }
    bool FlushToDisk() override {
        fs_.onDisk.insert(path_);
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

bool MemoryFileSystem::Store(Bytes& file, const uint8_t* bytes, size_t count) {
    const size_t room = static_cast<size_t>(std::min<int64_t>(spaceLeft, static_cast<int64_t>(count)));
    file.insert(file.end(), bytes, bytes + room);
    spaceLeft -= static_cast<int64_t>(room);
    return room == count;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    ++removes;
    onDisk.erase(path);
    return files.erase(path) != 0;
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to) {
    if (files.count(from) == 0) return false;
    const Bytes source = files[from];
    Bytes& target = files[to];
    target.clear();
    onDisk.erase(to);
    if (failCopy || failCopyOnce) {
        failCopyOnce = false;
        Store(target, source.data(), source.size() / 2);
        return false;
    }
    return Store(target, source.data(), source.size());
}

bool MemoryFileSystem::Replace(const std::string& from, const std::string& to) {
    if (files.count(from) == 0 || onDisk.count(from) == 0) return false;
    if (failReplace || failReplaceOnce) {
        failReplaceOnce = false;
        if (replaceLosesTarget) files.erase(to);
        return false;
    }
    files[to] = files[from];
    files.erase(from);
    onDisk.erase(from);
    onDisk.insert(to);
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
    onDisk.erase(path);
    return std::make_unique<MemorySink>(*this, path);
}
