#include "gallery/confirm_overwrite.h"

#include "frame/frame_state.h"
#include "frame/frame_texts.h"

namespace {

void CentreOnOwner(HWND dialog) {
    RECT owner, own;
    GetWindowRect(GetParent(dialog), &owner);
    GetWindowRect(dialog, &own);
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, dialog, nullptr, (owner.left + owner.right + own.left - own.right) / 2,
                           (owner.top + owner.bottom + own.top - own.bottom) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EndDeferWindowPos(defer);
}

INT_PTR CALLBACK ConfirmProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: CentreOnOwner(dialog); return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kConfirmYes: EndDialog(dialog, kConfirmYes); return TRUE;
                case kConfirmYesToAll: EndDialog(dialog, kConfirmYesToAll); return TRUE;
                case kConfirmNo:
                case IDCANCEL: EndDialog(dialog, kConfirmNo); return TRUE;
            }
            return FALSE;
        case WM_CLOSE: EndDialog(dialog, kConfirmNo); return TRUE;
    }
    return FALSE;
}

}  // namespace

OverwriteAnswer ConfirmOverwrite(HWND owner) {
    const INT_PTR answer =
        DialogBoxParamA(frame.instance, frame.japanese ? "CONFIRM_DLG_J" : "CONFIRM_DLG", owner, ConfirmProc, 0);
    switch (answer) {
        case kConfirmYes: return OverwriteAnswer::Yes;
        case kConfirmYesToAll: return OverwriteAnswer::YesToAll;
        case -1: {
            const Message& m = frame_texts::kGalleryDialogFailed;
            MessageBoxA(nullptr, m.Text(frame.japanese), m.Caption(frame.japanese), MB_ICONERROR | MB_SYSTEMMODAL);
            return OverwriteAnswer::No;
        }
    }
    return OverwriteAnswer::No;
}
