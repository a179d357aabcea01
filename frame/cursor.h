#pragma once
#include <windows.h>

// Long operations show the wait cursor and give back the arrow before any
// message box.
inline void WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
inline void ArrowCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
