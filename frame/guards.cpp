#include "frame/guards.h"

#include <windows.h>

#include <cctype>

#include "fileops/backup_numbering.h"
#include "fileops/file_system.h"
#include "frame/frame_state.h"
#include "framecore/drive_rule.h"

bool IsRefusedDrive(const std::string& root) { return IsRefusedDriveType(GetDriveTypeA(root.c_str())); }

std::string DriveRoot(const std::string& path) {
    std::string root = path.substr(0, 3);
    for (char& c : root) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return root;
}

bool FreeBytes(const std::string& path, uint64_t& available) {
    const std::string root = path.substr(0, 3);
    using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    char kernel[kPathSize] = {};
    GetSystemDirectoryA(kernel, 256);
    lstrcatA(kernel, "\\KERNEL32.DLL");
    if (HMODULE module = LoadLibraryA(kernel)) {
        auto query = reinterpret_cast<FreeSpaceEx>(reinterpret_cast<void*>(GetProcAddress(module, "GetDiskFreeSpaceExA")));
        ULARGE_INTEGER free{}, total{}, totalFree{};
        const bool asked = query != nullptr && query(root.c_str(), &free, &total, &totalFree);
        FreeLibrary(module);
        if (asked) {
            available = free.QuadPart;
            return true;
        }
    }
    // Without the extended query: the simple one, still in 64 bits.
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
    available = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector * freeClusters;
    return true;
}

bool HasFreeSpace(const std::string& path, uint64_t size) {
    const uint64_t margin = 1000;
    const uint64_t needed = size > UINT64_MAX - margin ? UINT64_MAX : size + margin;
    uint64_t available = 0;
    return FreeBytes(path, available) && needed <= available;
}

bool HasMoreFreeSpaceThan(const std::string& path, uint64_t needed) {
    uint64_t available = 0;
    return FreeBytes(path, available) && needed < available;
}

bool IsFolder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const char* path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}
