#pragma once
#include <cstdint>
#include <string>

// Only fixed disks and RAM disks are used: true for any other drive type.
// `root` is the first three characters of a path, such as "C:\".
bool IsRefusedDrive(const std::string& root);
// The root given to IsRefusedDrive for a path: its first three characters, upper-cased.
std::string DriveRoot(const std::string& path);
// The free bytes on the disk of `path` (64-bit query, W3); false when unknown.
bool FreeBytes(const std::string& path, uint64_t& available);
// Room for `size` + 1000 bytes on the disk of `path`. A change in place asks
// for SpaceForChangeInPlace(file size).
bool HasFreeSpace(const std::string& path, uint64_t size);
// The galleries' save test: more than `needed` bytes free.
bool HasMoreFreeSpaceThan(const std::string& path, uint64_t needed);
// True when FindFirstFileA finds `path`.
bool FileExists(const char* path);
// A folder of that name (a drop may name one; the file dialogs never do).
bool IsFolder(const char* path);
