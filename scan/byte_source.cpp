#include "scan/byte_source.h"

#include <algorithm>
#include <cstring>

int64_t MemorySource::ReadAt(int64_t offset, uint8_t* out, size_t count) {
    const int64_t size = Size();
    if (offset < 0) return -1;
    if (offset >= size) return 0;
    const size_t n = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), size - offset));
    std::memcpy(out, bytes_.data() + offset, n);
    return static_cast<int64_t>(n);
}

namespace {

bool SeekTo(std::FILE* file, int64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

int64_t Tell(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<int64_t>(ftello(file));
#endif
}

}  // namespace

FileSource::FileSource(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return;
    if (!SeekTo(file_, 0, SEEK_END) || (size_ = Tell(file_)) < 0) {
        std::fclose(file_);
        file_ = nullptr;
        size_ = 0;
    }
}

FileSource::~FileSource() {
    if (file_ != nullptr) std::fclose(file_);
}

int64_t FileSource::ReadAt(int64_t offset, uint8_t* out, size_t count) {
    if (file_ == nullptr || offset < 0) return -1;
    if (offset >= size_) return 0;
    if (!SeekTo(file_, offset, SEEK_SET)) return -1;
    const size_t n = std::fread(out, 1, count, file_);
    if (n < count && std::ferror(file_)) return -1;
    return static_cast<int64_t>(n);
}
