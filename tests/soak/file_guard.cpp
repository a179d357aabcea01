#include "tests/soak/file_guard.h"

#include <functional>

#include "tests/e2e/desktop.h"
#include "tests/soak/imgscan_oracle.h"
#include "tests/soak/soak.h"

namespace {

// Calls `visit` for every entry of `folder` but "." and "..".
void EachEntry(const std::string& folder, const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") visit(found);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool IsFolder(const WIN32_FIND_DATAA& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

FileGuard::Record FileGuard::Observe(const std::string& path, const WIN32_FIND_DATAA& found) const {
    Record record;
    record.size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
    record.written = found.ftLastWriteTime;
    const auto known = files_.find(path);
    record.key = known != files_.end() && known->second.size == record.size && SameTime(known->second.written, record.written)
                     ? known->second.key
                     : ContentKey(path);
    return record;
}

void FileGuard::Watch(const std::string& folder) {
    folders_.push_back(folder);
    EachEntry(folder, [&](const WIN32_FIND_DATAA& found) {
        if (IsFolder(found)) return;
        const std::string path = folder + "\\" + found.cFileName;
        files_[path] = Observe(path, found);
        held_[path].insert(files_[path].key);
    });
}

// NAME.NNN is the backup of NAME.EXT: the name without its last three
// characters, then three digits.
bool FileGuard::IsBackupOf(const std::string& folder, const std::string& name, const std::string& key) const {
    if (name.size() < 4 || name.find_first_not_of("0123456789", name.size() - 3) != std::string::npos) return false;
    const std::string base = folder + "\\" + name.substr(0, name.size() - 3);
    for (const auto& [path, keys] : held_)
        if (path.size() == base.size() + 3 && lstrcmpiA(path.substr(0, base.size()).c_str(), base.c_str()) == 0 &&
            keys.count(key) > 0)
            return true;
    return false;
}

void FileGuard::Check() {
    std::set<std::string> seen;
    for (const std::string& folder : folders_) {
        EachEntry(folder, [&](const WIN32_FIND_DATAA& found) {
            if (IsFolder(found)) return;
            const std::string path = folder + "\\" + found.cFileName;
            seen.insert(path);
            const Record now = Observe(path, found);
            auto known = files_.find(path);
            if (known == files_.end()) {
                Require(IsBackupOf(folder, found.cFileName, now.key),
                        "a file appeared that is no backup of an earlier content: " + std::string(found.cFileName));
                files_[path] = now;
                held_[path].insert(now.key);
                return;
            }
            Require(now.key == known->second.key, NameOf(path) + " changed without a change the user accepted");
            known->second = now;
        });
    }
    for (const auto& [path, record] : files_) Require(seen.count(path) > 0, NameOf(path) + " is gone");
}

void FileGuard::Accept(const std::string& path, const std::string& backupName, const std::vector<unsigned char>& expected) {
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    const std::string backup = folder + "\\" + backupName;
    const auto known = files_.find(path);
    Require(known != files_.end(), "a change to a file the session does not watch: " + path);
    Require(!(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY), "the read-only " + NameOf(path) + " was changed");
    Require(ContentKey(backup) == known->second.key, "the backup " + backupName + " does not hold the previous bytes");
    Require(ReadBytes(path) == expected, NameOf(path) + " does not hold the change reported done");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    Require(search != INVALID_HANDLE_VALUE, NameOf(path) + " is gone after its change");
    FindClose(search);
    files_.erase(path);
    files_[path] = Observe(path, found);
    held_[path].insert(files_[path].key);
}

std::vector<std::string> HalfMadeFiles(const std::string& folder) {
    std::vector<std::string> left;
    EachEntry(folder, [&](const WIN32_FIND_DATAA& found) {
        const std::string name = found.cFileName;
        if (IsFolder(found)) {
            for (const std::string& inner : HalfMadeFiles(folder + "\\" + name)) left.push_back(inner);
        } else if (name.find(".~") != std::string::npos) {
            left.push_back(folder + "\\" + name);
        }
    });
    return left;
}

std::set<std::string> TemporaryFiles() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = temp;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    std::set<std::string> names;
    EachEntry(folder, [&](const WIN32_FIND_DATAA& found) { names.insert(found.cFileName); });
    return names;
}
