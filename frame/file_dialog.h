#pragma once
#include <windows.h>

#include <cstring>

#include "frame/frame_state.h"

// The parts every Open, Save As and Replace dialog of the programs sets
// alike: `path` (kPathSize bytes) is cleared and receives the choice; the
// caller adds its flags.
inline OPENFILENAMEA FileDialog(HWND window, const char* filter, const char* title, char* path) {
    std::memset(path, 0, kPathSize);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = kPathSize;
    dialog.lpstrTitle = title;
    return dialog;
}
