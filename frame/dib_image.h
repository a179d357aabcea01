#pragma once
#include <windows.h>

// A BMP file in memory: the 14-byte file header kept apart, the rest of the
// file (info header, colour table, bits) in one movable global block that is
// locked only for one operation at a time.
struct DibImage {
    BITMAPFILEHEADER fileHeader{};
    HGLOBAL block = nullptr;
    BYTE* base = nullptr;
    BITMAPINFO* info = nullptr;  // equals base
    RGBQUAD* colors = nullptr;   // info + 40 bytes
    BYTE* bits = nullptr;
    int colorEntries = 0;
    DWORD dataSize = 0;  // bytes in the block: bfSize - 14
};

// Locks a global block on first use and unlocks it when it goes out of scope.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block) {}
    ~GlobalLockGuard() { Unlock(); }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    void* Address();
    SIZE_T Size() const { return GlobalSize(block_); }
    void Unlock();

private:
    HGLOBAL block_;
    bool locked_ = false;
    void* address_ = nullptr;
};

// Reads the open BMP file `file` into `dib` (the caller closes the file).
// Returns false after a message box owned by `owner`; the block is then freed.
bool ReadDibFile(DibImage& dib, HWND owner, HANDLE file);
// Locks the block and sets the addresses; false after a message when the
// info header is not the 40-byte one. Only while a block exists.
bool LockDib(DibImage& dib, HWND owner);
void UnlockDib(DibImage& dib);
void FreeDib(DibImage& dib);
