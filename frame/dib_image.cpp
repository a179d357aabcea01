#include "frame/dib_image.h"

#include "frame/message_box.h"
#include "texts/image_messages.h"

void* GlobalLockGuard::Address() {
    if (!locked_) {
        address_ = GlobalLock(block_);
        locked_ = address_ != nullptr;
    }
    return address_;
}

void GlobalLockGuard::Unlock() {
    if (locked_) GlobalUnlock(block_);
    locked_ = false;
    address_ = nullptr;
}

namespace {

constexpr DWORD kFileHeaderSize = 14;

DWORD ReadUpTo(HANDLE file, void* out, DWORD count) {
    DWORD got = 0;
    return ReadFile(file, out, count, &got, nullptr) ? got : 0;
}

// The message of a refused file; false, so that callers can return it.
bool Refuse(DibImage& dib, HWND owner, DibStatus status, const DibFileHeader& header) {
    ShowDibRefusal(owner, status, header);
    FreeDib(dib);
    return false;
}

}  // namespace

bool LockDib(DibImage& dib) {
    dib.base = static_cast<BYTE*>(GlobalLock(dib.block));
    if (dib.base == nullptr) return false;
    dib.info = reinterpret_cast<BITMAPINFO*>(dib.base);
    dib.colors = reinterpret_cast<RGBQUAD*>(dib.base + dib.layout.colors);
    dib.bits = dib.base + dib.layout.bits;
    dib.colorEntries = dib.layout.colorEntries;
    return true;
}

void UnlockDib(DibImage& dib) {
    if (dib.block != nullptr && dib.base != nullptr) GlobalUnlock(dib.block);
    dib.base = nullptr;
    dib.info = nullptr;
    dib.colors = nullptr;
    dib.bits = nullptr;
}

void ShowDibRefusal(HWND owner, DibStatus status, const DibFileHeader& header) {
    const Message* message = DibMessage(status);
    if (message == nullptr) return;
    if (status == DibStatus::BadMagic)
        ShowMessageFormatted(owner, *message, static_cast<unsigned>(header.type));
    else
        ShowMessage(owner, *message);
}

void FreeDib(DibImage& dib) {
    UnlockDib(dib);
    if (dib.block != nullptr) GlobalFree(dib.block);
    dib.block = nullptr;
    dib.colorEntries = 0;
    dib.layout = DibLayout{};
    dib.fileHeader = BITMAPFILEHEADER{};
}

bool ReadDibFile(DibImage& dib, HWND owner, HANDLE file) {
    FreeDib(dib);
    uint8_t bytes[kFileHeaderSize] = {};
    const DWORD got = ReadUpTo(file, bytes, kFileHeaderSize);
    DibFileHeader header;
    const DibStatus status = ReadDibFileHeader(bytes, got, header);
    if (got == kFileHeaderSize) CopyMemory(&dib.fileHeader, bytes, kFileHeaderSize);
    if (status != DibStatus::Ok) return Refuse(dib, owner, status, header);

    // A file shorter than its header says is refused before any allocation.
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file, &fileSize) || fileSize.QuadPart < static_cast<LONGLONG>(header.size))
        return Refuse(dib, owner, DibStatus::BodyShort, header);
    const DWORD blockSize = header.size - kFileHeaderSize;
    dib.block = GlobalAlloc(GMEM_MOVEABLE, blockSize);
    if (dib.block == nullptr) return Refuse(dib, owner, DibStatus::NoMemory, header);
    GlobalLockGuard guard(dib.block);
    auto* block = static_cast<uint8_t*>(guard.Address());
    if (block == nullptr || ReadUpTo(file, block, blockSize) != blockSize) {
        guard.Unlock();
        return Refuse(dib, owner, DibStatus::BodyShort, header);
    }
    const DibStatus valid = ValidateDibBlock(header, block, blockSize, dib.layout);
    guard.Unlock();
    if (valid != DibStatus::Ok) return Refuse(dib, owner, valid, header);
    dib.colorEntries = dib.layout.colorEntries;
    return true;
}
