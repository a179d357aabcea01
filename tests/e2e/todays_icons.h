#pragma once
#include <windows.h>

#include <string>

// The icon programs' option "Include 32-bit and PNG icons": its system menu
// item, and files of such icons for the sessions.

// The item's id in both icon programs' system menu, chosen as the menu does.
constexpr UINT kAllIconKindsItem = 0x0100;
inline void ChooseAllIconKinds(HWND window) { PostMessageA(window, WM_SYSCOMMAND, kAllIconKindsItem, 0); }

// A library of the sessions' work folder holding the three icons of
// sample.exe (32 x 32 x 16, 16 x 16 x 256, 48 x 48 x 24) when `withClassic`,
// then 32-bit images of 32 x 32 and 48 x 48 (alpha from 0 to 255) and PNG
// images of 64 x 64 and 256 x 256.
std::string TodaysIconsDll(const char* name, bool withClassic = true);
