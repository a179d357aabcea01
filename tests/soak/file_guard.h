#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// The promise the programs make about files: a file they open changes only
// by a change the user accepted, which first leaves a numbered backup with
// the previous bytes; nothing half-written or temporary stays behind.
class FileGuard {
public:
    // Records every file of `folder` as it is now.
    void Watch(const std::string& folder);
    // Fails unless every watched file holds its recorded bytes and every new
    // file beside them is a numbered backup (NAME.000 ...) of bytes a watched
    // file held.
    void Check();
    // A change reported done ("saved as BACKUP"): `path` must now hold
    // `expected` and the backup the bytes it held before.
    void Accept(const std::string& path, const std::string& backupName, const std::vector<unsigned char>& expected);

private:
    struct Record {
        uint64_t size = 0;
        FILETIME written{};
        std::string key;  // ContentKey
    };
    Record Observe(const std::string& path, const WIN32_FIND_DATAA& found) const;
    bool IsBackupOf(const std::string& folder, const std::string& name, const std::string& key) const;

    std::vector<std::string> folders_;
    std::map<std::string, Record> files_;                  // by path
    std::map<std::string, std::set<std::string>> held_;  // every key a path has held
};

// Files of `folder` (and its subfolders) whose names say they were left
// half-made: a file written beside its target ("NAME.~").
std::vector<std::string> HalfMadeFiles(const std::string& folder);

// The names in the temporary folder now.
std::set<std::string> TemporaryFiles();
