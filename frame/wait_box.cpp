#include "frame/wait_box.h"

#include "frame/frame_state.h"

namespace {

INT_PTR CALLBACK WaitProc(HWND, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_DESTROY: frame.modelessDialog = nullptr; return TRUE;
    }
    return FALSE;
}

}  // namespace

WaitBox::WaitBox(HWND owner) : previous_(frame.modelessDialog) {
    box_ = CreateDialogParamA(frame.instance, frame.japanese ? "PLEASEWAIT_DLG_J" : "PLEASEWAIT_DLG", owner, WaitProc,
                              0);
    // Without a box (it could not be made) the dialog that was there stays
    // the one the message loop serves.
    if (box_ == nullptr) return;
    frame.modelessDialog = box_;
    // The search processes no messages: paint the box and its text now.
    RedrawWindow(box_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void WaitBox::Close() {
    if (box_ == nullptr) return;
    DestroyWindow(box_);
    box_ = nullptr;
    frame.modelessDialog = previous_;
}
