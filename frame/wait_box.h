#pragma once
#include <windows.h>

// The modeless please-wait box of the searches (PLEASEWAIT_DLG / _J). While
// it exists it is frame.modelessDialog; the box that was there before (a
// tool's own modeless dialog) comes back when it closes, also when the box
// could not be made.
class WaitBox {
public:
    explicit WaitBox(HWND owner);
    ~WaitBox() { Close(); }
    WaitBox(const WaitBox&) = delete;
    WaitBox& operator=(const WaitBox&) = delete;
    // Removes the box; the searches do this before any message of their end.
    void Close();

private:
    HWND box_ = nullptr;
    HWND previous_ = nullptr;
};
