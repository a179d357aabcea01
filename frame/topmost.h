#pragma once
#include <windows.h>

// The main window stays on top while a long search or drawing runs.
inline void SetTopmost(HWND window, bool topmost) {
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE);
    EndDeferWindowPos(defer);
}

// Topmost for the scope's life.
class TopmostScope {
public:
    explicit TopmostScope(HWND window) : window_(window) { SetTopmost(window_, true); }
    ~TopmostScope() { SetTopmost(window_, false); }
    TopmostScope(const TopmostScope&) = delete;
    TopmostScope& operator=(const TopmostScope&) = delete;

private:
    HWND window_;
};
