#pragma once
#include <windows.h>

#include "imaging/dib_validation.h"

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
    DibLayout layout;  // where the parts lie, found when the file was read
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

// Reads the open BMP file `file` into `dib` (the caller closes the file) and
// checks that painting it never reads outside the block. Returns false after
// a message box owned by `owner`; the block is then freed.
bool ReadDibFile(DibImage& dib, HWND owner, HANDLE file);
// Locks the block and sets the addresses. Only while a block exists.
bool LockDib(DibImage& dib);
void UnlockDib(DibImage& dib);
void FreeDib(DibImage& dib);
// The message of a BMP file refused for display, owned by `owner`.
void ShowDibRefusal(HWND owner, DibStatus status, const DibFileHeader& header);
