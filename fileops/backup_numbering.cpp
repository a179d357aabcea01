#include "fileops/backup_numbering.h"

#include <cstdio>

namespace {

constexpr int kBackupNames = 1000;
constexpr size_t kPathLimit = 257;

std::string BackupPath(const std::string& base, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return base + digits;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string InDirectory(const std::string& dir, const std::string& name) {
    if (dir.empty() || IsSeparator(dir.back())) return dir + name;
    // Keep the directory's own kind of separator.
    return dir + (dir.find('\\') != std::string::npos || dir.find('/') == std::string::npos ? "\\" : "/") + name;
}

}  // namespace

BackupName NextBackupName(FileSystem& fs, const std::string& path) {
    const std::string base = path.substr(0, path.size() < 3 ? 0 : path.size() - 3);
    BackupName name;
    for (int n = 0; n < kBackupNames; ++n) {
        name.path = BackupPath(base, n);
        name.number = n;
        if (!fs.Exists(name.path)) return name;
    }
    for (int n = 0; n < kBackupNames; ++n) fs.Remove(BackupPath(base, n));  // failures do not matter
    name.path = BackupPath(base, 0);
    name.number = 0;
    name.wrapped = true;
    return name;
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DisplayCopyPath(FileSystem& fs, const std::string& tempDir, DisplayCopyOwner owner) {
    const std::string extension = owner == DisplayCopyOwner::IconInspector ? ".ic!" : ".bm!";
    std::string base = "!_tmp_!";
    std::string path = InDirectory(tempDir, base + extension);
    while (fs.Exists(path) && path.size() < kPathLimit) {
        base += '!';
        path = InDirectory(tempDir, base + extension);
    }
    return path;
}

std::string GalleryTempPath(const std::string& tempDir, GalleryOwner owner) {
    return InDirectory(tempDir, owner == GalleryOwner::IconGallery ? "MORDEL!!.TMP" : "ZANDO!!!.TMP");
}
