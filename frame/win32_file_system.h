#pragma once
#include <memory>
#include <string>

#include "fileops/file_system.h"

// The file interface on Windows: files written through handles and flushed
// with FlushFileBuffers, a replacement in one step (MoveFileExA with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) that gives the new file
// the attributes of the one it replaces. Used by the programs and imgscan.exe.
class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Replace(const std::string& from, const std::string& to) override;
    std::unique_ptr<ByteSource> OpenRead(const std::string& path) override;
    std::unique_ptr<ByteSink> Create(const std::string& path) override;
};
