#pragma once
#include <windows.h>

#include "frame/program.h"

// The items of the main window's system menu beyond the system's own: the
// frame's Copy, then the program's.

// Appends the items, after a separator, once the main window exists.
void AddSystemMenuItems(HWND window);
// WM_INITMENUPOPUP of the system menu: greys and checks the items as they stand now.
void UpdateSystemMenuItems(HMENU menu);
// WM_SYSCOMMAND: runs the item chosen; false when it is none of ours.
bool ChooseSystemMenuItem(HWND window, WPARAM command);
