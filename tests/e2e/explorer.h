#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What the system and Explorer do to a program, done inside the program's
// own process by the hook DLL (e2e_hook.dll, beside the driver): handles made
// there are the program's own, as the real ones are.

// Drops `paths` on `window` as Explorer does: WM_DROPFILES with a drop handle
// that the program reads with DragQueryFileA. False when the hook did not answer.
bool DropFiles(HWND window, const std::vector<std::string>& paths);
// The same drop handle, made in the program, for the caller to send as
// WM_DROPFILES (so that it can follow the command to its end); 0 when the
// hook did not answer.
WPARAM MakeDropHandle(HWND window, const std::vector<std::string>& paths);

// An item of the window's system menu as the user finds it opened.
struct MenuItemSeen {
    unsigned id = 0;
    std::string text;
    bool grayed = false;
    bool checked = false;
};
std::vector<MenuItemSeen> SystemMenu(HWND window);
// The item of the system menu with this text (id 0 when there is none).
MenuItemSeen SystemMenuItem(HWND window, const std::string& text);
