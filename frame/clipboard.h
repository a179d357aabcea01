#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// Copy: the picture the family shows (the inspectors' image, the galleries'
// selected cell) goes onto the clipboard as CF_DIB, at its own size.

// Whether there is a picture to copy now (the system menu's item is greyed otherwise).
bool CanCopyPicture();
// The system menu's Copy and Ctrl+C; nothing when there is no picture.
void CopyPicture(HWND window);
// Puts the DIB (`info`: the header with its colours; `bits`) on the clipboard
// as a 24-bit CF_DIB of the same pixels, RLE bits expanded and pixels they do
// not reach white, as the programs show them. False after a message when the
// clipboard could not take it.
bool PutDibOnClipboard(HWND owner, const BITMAPINFO* info, const void* bits);
// The same for a BMP file in memory, checked first as a file read for display
// is (its message when it is not a BMP file whose parts all lie inside it).
bool PutBmpFileOnClipboard(HWND owner, std::vector<uint8_t>& bmp);
