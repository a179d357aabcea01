#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "imaging/rgba_image.h"

// The icon programs' option "Include 32-bit and PNG icons": a file that holds
// such images beside classic ones, the option's system menu item, and imgscan
// (the real imgscan.exe, of which sample.exe is a copy) as the reference of
// what the programs show and write with it.

// The item's id in both icon programs' system menu; chosen as the menu does.
constexpr UINT kAllIconKindsItem = 0x0100;
inline void ChooseAllIconKinds(HWND window) { PostMessageA(window, WM_SYSCOMMAND, kAllIconKindsItem, 0); }

// A library of the sessions' work folder holding the three icons of
// sample.exe (32 x 32 x 16, 16 x 16 x 256, 48 x 48 x 24), then 32-bit images
// of 32 x 32 and 48 x 48 (alpha from 0 to 255), one of 16 x 16 whose alpha
// is all 0 (drawn by its mask), and PNG images of 64 x 64 and 256 x 256.
std::string TodaysIconsDll(const char* name);
// A library holding only the 32-bit and PNG images of TodaysIconsDll.
std::string ModernOnlyDll(const char* name);

// One line of `imgscan icons [OPTIONS] FILE`.
struct ListedIcon {
    std::string offset;  // the header's file offset, 8 hexadecimal digits
    std::string words;   // "32 x 32 x 32-bit (4158 Bytes)"
};
// What imgscan lists; `options` as on its command line ("--all-kinds",
// "--gallery --all-kinds", "" for the programs' own search).
std::vector<ListedIcon> ImgscanIcons(const std::string& options, const std::string& path);
// The icon inspector's title of a listed icon: "Icon [ WORDS at OFFSET ]".
std::string InspectorTitle(const ListedIcon& icon);
// A 32-bit or PNG icon.
bool IsModern(const ListedIcon& icon);
// The picture imgscan writes with `words` (a command that writes the PNG
// file `png`), decoded; empty when it wrote none.
RgbaImage ImgscanPicture(const std::string& words, const std::string& png);
// The file imgscan writes with `words` (a command that writes `out`).
std::vector<unsigned char> ImgscanFile(const std::string& words, const std::string& out);
