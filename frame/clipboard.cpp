#include "frame/clipboard.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "frame/busy.h"
#include "frame/dib_image.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/gdi_scope.h"
#include "frame/message_box.h"

namespace {

// The largest picture copied: far beyond any image the programs show.
constexpr int64_t kMaxPixels = int64_t{1} << 26;

// The pixels of `info` and `bits` drawn into a 24-bit bottom-up DIB, packed
// (header and bits in one movable block) as CF_DIB wants them.
HGLOBAL PackAs24Bit(const BITMAPINFO* info, const void* bits) {
    // In 64 bits, so that no height (the most negative one included) overflows.
    const int64_t width = info->bmiHeader.biWidth;
    const int64_t height = std::llabs(int64_t{info->bmiHeader.biHeight});
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) return nullptr;
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3};
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);

    BITMAPINFO target{};
    target.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    target.bmiHeader.biWidth = w;
    target.bmiHeader.biHeight = h;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 24;
    target.bmiHeader.biCompression = BI_RGB;
    target.bmiHeader.biSizeImage = imageBytes;

    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (section == nullptr || pixels == nullptr) {
        if (section != nullptr) DeleteObject(section);
        return nullptr;
    }
    WindowDC screen(nullptr);
    MemoryPicture picture(screen.Get(), section);  // owns the section from here
    if (!picture) return nullptr;
    PatBlt(picture.Get(), 0, 0, w, h, WHITENESS);
    SetStretchBltMode(picture.Get(), COLORONCOLOR);
    StretchDIBits(picture.Get(), 0, 0, w, h, 0, 0, w, h, bits, info, DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + imageBytes);
    if (block == nullptr) return nullptr;
    auto* packed = static_cast<uint8_t*>(GlobalLock(block));
    if (packed == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(packed, &target.bmiHeader, sizeof(BITMAPINFOHEADER));
    std::memcpy(packed + sizeof(BITMAPINFOHEADER), pixels, imageBytes);
    GlobalUnlock(block);
    return block;
}

// Another program (a clipboard viewer or manager) may hold the clipboard
// open for a moment: it is asked again for up to half a second.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

bool CanCopyPicture() { return frame.family->canCopy != nullptr && frame.family->canCopy(); }

void CopyPicture(HWND window) {
    if (!CanCopyPicture()) return;
    CommandScope command;
    frame.family->copyPicture(window);
}

bool PutBmpFileOnClipboard(HWND owner, std::vector<uint8_t>& bmp) {
    constexpr size_t kFileHeader = 14;
    DibFileHeader header;
    DibStatus status = ReadDibFileHeader(bmp.data(), bmp.size(), header);
    if (status == DibStatus::Ok && bmp.size() < header.size) status = DibStatus::BodyShort;
    DibLayout layout;
    if (status == DibStatus::Ok)
        status = ValidateDibBlock(header, bmp.data() + kFileHeader, header.size - kFileHeader, layout);
    if (status != DibStatus::Ok) {
        ShowDibRefusal(owner, status, header);
        return false;
    }
    const uint8_t* block = bmp.data() + kFileHeader;
    return PutDibOnClipboard(owner, reinterpret_cast<const BITMAPINFO*>(block), block + layout.bits);
}

bool PutDibOnClipboard(HWND owner, const BITMAPINFO* info, const void* bits) {
    HGLOBAL block = PackAs24Bit(info, bits);
    bool put = false;
    if (block != nullptr && OpenClipboardSoon(owner)) {
        put = EmptyClipboard() && SetClipboardData(CF_DIB, block) != nullptr;
        CloseClipboard();
    }
    if (!put) {
        if (block != nullptr) GlobalFree(block);
        ShowMessage(owner, frame_texts::kCopyFailed);
    }
    return put;
}
