#include "gallery/progress_box.h"

#include "frame/frame_state.h"

namespace {

INT_PTR CALLBACK ProgressProc(HWND, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_DESTROY: return TRUE;
    }
    return FALSE;
}

}  // namespace

void ProgressBox::Show(HWND owner, ProgressMode mode, int percent) {
    const std::string text = ProgressText(mode, percent, frame.japanese);
    if (box_ == nullptr) {
        previous_ = frame.modelessDialog;
        box_ = CreateDialogParamA(frame.instance, frame.japanese ? "PLEASEWAIT_DLG_2_J" : "PLEASEWAIT_DLG_2", owner,
                                  ProgressProc, 0);
        if (box_ == nullptr) return;  // the work goes on without it
        frame.modelessDialog = box_;
    }
    SetDlgItemTextA(box_, textId_, text.c_str());
    // The work processes no messages: paint the box and its text now.
    RedrawWindow(box_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ProgressBox::Close() {
    if (box_ == nullptr) return;
    DestroyWindow(box_);
    box_ = nullptr;
    frame.modelessDialog = previous_;
}

void SearchProgress::At(int64_t position, int64_t fileSize) {
    const int percent = figure_.Changed(position, fileSize);
    if (percent < 0) return;
    if (percent < 100)
        box_.Show(owner_, ProgressMode::Searched, percent);
    else if (more_)
        box_.Show(owner_, ProgressMode::More, 0);
}
