#include "frame/win32_file_system.h"

#include <windows.h>

namespace {

class HandleSink : public ByteSink {
public:
    explicit HandleSink(HANDLE file) : file_(file) {}
    ~HandleSink() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }
    bool Write(const uint8_t* bytes, size_t count) override {
        while (count > 0 && file_ != INVALID_HANDLE_VALUE) {
            const DWORD chunk = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
            DWORD written = 0;
            if (!WriteFile(file_, bytes, chunk, &written, nullptr) || written != chunk) return false;
            bytes += chunk;
            count -= chunk;
        }
        return file_ != INVALID_HANDLE_VALUE;
    }
    bool FlushToDisk() override { return file_ != INVALID_HANDLE_VALUE && FlushFileBuffers(file_); }
    bool Finish() override {
        if (file_ == INVALID_HANDLE_VALUE) return false;
        const bool closed = CloseHandle(file_) != 0;
        file_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE file_;
};

}  // namespace

bool Win32FileSystem::Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool Win32FileSystem::Copy(const std::string& from, const std::string& to) { return CopyThroughSink(*this, from, to); }

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
    // A rename over the old file: the name never stands empty, on NTFS and
    // under Wine alike. It keeps neither the old file's attributes nor its
    // creation time, explicit ACL or alternate streams; the attributes are put
    // back. A read-only file is not replaced at all: Windows refuses the move,
    // and so does this where the system would not (Wine run by root).
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(to.c_str(), attributes);
    return true;
}

std::unique_ptr<ByteSource> Win32FileSystem::OpenRead(const std::string& path) {
    auto file = std::make_unique<FileSource>(path);
    if (!file->IsOpen()) return nullptr;
    return file;
}

std::unique_ptr<ByteSink> Win32FileSystem::Create(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<HandleSink>(file);
}
