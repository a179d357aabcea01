#include "frame/dib_image.h"

#include <cstdint>

#include "frame/frame_texts.h"
#include "frame/message_box.h"

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
constexpr DWORD kInfoHeaderSize = 40;

bool ReadExactly(HANDLE file, void* out, DWORD count) {
    DWORD got = 0;
    return ReadFile(file, out, count, &got, nullptr) && got == count;
}

// Bytes of pixel data that drawing the image reads.
uint64_t BitsNeeded(const BITMAPINFOHEADER& header) {
    if (header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4) return header.biSizeImage;
    const uint64_t width = header.biWidth < 0 ? 0 : static_cast<uint64_t>(header.biWidth);
    const int64_t height = header.biHeight;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
    const uint64_t rowBytes = (width * header.biBitCount + 31) / 32 * 4;
    return rowBytes * rows;
}

// The colour table and the bits lie inside the block, so that painting never
// reads past it.
bool FitsBlock(const DibImage& dib) {
    const BITMAPINFOHEADER& header = dib.info->bmiHeader;
    if (header.biCompression != BI_RGB && header.biCompression != BI_RLE8 && header.biCompression != BI_RLE4)
        return false;
    const uint64_t tableEnd = kInfoHeaderSize + 4ull * static_cast<uint32_t>(dib.colorEntries);
    if (tableEnd > dib.dataSize) return false;
    if (dib.bits == nullptr) return false;
    const uint64_t bitsOffset = static_cast<uint64_t>(dib.bits - dib.base);
    return bitsOffset <= dib.dataSize && BitsNeeded(header) <= dib.dataSize - bitsOffset;
}

}  // namespace

bool LockDib(DibImage& dib, HWND owner) {
    dib.base = static_cast<BYTE*>(GlobalLock(dib.block));
    dib.info = reinterpret_cast<BITMAPINFO*>(dib.base);
    if (dib.base == nullptr) return false;
    BITMAPINFOHEADER& header = dib.info->bmiHeader;
    if (header.biSize != kInfoHeaderSize) {
        ShowMessage(owner, frame_texts::kDibBadInfoSize);
        return false;
    }
    dib.colorEntries = static_cast<int>(header.biClrUsed > 0x7FFFFFFF ? 0x7FFFFFFF : header.biClrUsed);
    if (header.biClrUsed == 0) {
        // Only palette depths have an implied table; 16, 24 and 32 bits none.
        const WORD bitCount = header.biBitCount;
        dib.colorEntries = (bitCount == 1 || bitCount == 4 || bitCount == 8) ? 1 << bitCount : 0;
        header.biClrUsed = static_cast<DWORD>(dib.colorEntries);
    }
    if (header.biSizeImage == 0) {
        const uint64_t size = BitsNeeded(header);
        header.biSizeImage = size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(size);
    }
    dib.colors = reinterpret_cast<RGBQUAD*>(dib.base + kInfoHeaderSize);
    if (dib.fileHeader.bfOffBits != 0) {
        // An offset inside the file header points before the block: FitsBlock refuses it.
        dib.bits = dib.fileHeader.bfOffBits >= kFileHeaderSize ? dib.base + (dib.fileHeader.bfOffBits - kFileHeaderSize)
                                                               : nullptr;
    } else {
        dib.bits = reinterpret_cast<BYTE*>(dib.colors) + 4 * static_cast<size_t>(dib.colorEntries);
    }
    return true;
}

void UnlockDib(DibImage& dib) {
    if (dib.block != nullptr) GlobalUnlock(dib.block);
    dib.base = nullptr;
    dib.info = nullptr;
    dib.colors = nullptr;
    dib.bits = nullptr;
}

void FreeDib(DibImage& dib) {
    if (dib.block != nullptr) {
        while (GlobalUnlock(dib.block)) {
        }
        GlobalFree(dib.block);
        dib.block = nullptr;
    }
    dib.base = nullptr;
    dib.info = nullptr;
    dib.colors = nullptr;
    dib.bits = nullptr;
    dib.colorEntries = 0;
    dib.dataSize = 0;
    dib.fileHeader = BITMAPFILEHEADER{};
}

bool ReadDibFile(DibImage& dib, HWND owner, HANDLE file) {
    if (!ReadExactly(file, &dib.fileHeader, kFileHeaderSize)) {
        ShowMessage(owner, frame_texts::kDibHeaderShort);
        return false;
    }
    if (dib.fileHeader.bfType != 0x4D42) {
        ShowMessageFormatted(owner, frame_texts::kDibBadMagic, static_cast<unsigned>(dib.fileHeader.bfType));
        return false;
    }
    if (dib.fileHeader.bfSize < kFileHeaderSize + kInfoHeaderSize) {
        ShowMessage(owner, frame_texts::kDibShort);
        return false;
    }
    dib.dataSize = dib.fileHeader.bfSize - kFileHeaderSize;
    dib.block = GlobalAlloc(GMEM_MOVEABLE, dib.dataSize);
    if (dib.block == nullptr) {
        ShowMessage(owner, frame_texts::kDibNoMemory);
        FreeDib(dib);
        return false;
    }
    {
        GlobalLockGuard guard(dib.block);
        if (guard.Address() == nullptr || !ReadExactly(file, guard.Address(), dib.dataSize)) {
            guard.Unlock();
            ShowMessage(owner, frame_texts::kDibShort);
            FreeDib(dib);
            return false;
        }
    }
    const bool valid = LockDib(dib, owner);
    const bool fits = valid && FitsBlock(dib);
    UnlockDib(dib);
    if (valid && !fits) ShowMessage(owner, frame_texts::kDibShort);
    if (!fits) FreeDib(dib);
    return fits;
}
