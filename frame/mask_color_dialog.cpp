#include "frame/mask_color_dialog.h"

#include "frame/frame_state.h"

namespace {

constexpr COLORREF kSwatches[] = {0x808000, 0x008000, 0x800000, 0x008080, 0x800080, 0x000080, 0xFFFFFF, 0x000000};

// The dialog's state while it is open (one modal dialog at a time).
struct Session {
    MaskChoice* choice;
    MaskChoice opening;
    int comboId;
    bool cancelled;
} session;

void Restore(HWND dialog, INT_PTR result) {
    *session.choice = session.opening;
    session.cancelled = true;
    EndDialog(dialog, result);
}

void DrawSwatch(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    if (item.itemAction & ODA_DRAWENTIRE) {
        RECT inner;
        CopyRect(&inner, &item.rcItem);
        InflateRect(&inner, -2, -1);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(item.itemData));
        FillRect(item.hDC, &inner, brush);
        DeleteObject(brush);
    }
    if (item.itemAction & (ODA_SELECT | ODA_DRAWENTIRE)) {
        const int stock = (item.itemState & ODS_SELECTED) ? BLACK_BRUSH : WHITE_BRUSH;
        FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(stock)));
    }
}

INT_PTR CALLBACK ColorSelectProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const int combo = session.comboId;
    switch (message) {
        case WM_INITDIALOG:
            SendDlgItemMessageA(dialog, combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 25);
            SendDlgItemMessageA(dialog, combo, CB_RESETCONTENT, 0, 0);
            for (COLORREF color : kSwatches) SendDlgItemMessageA(dialog, combo, CB_ADDSTRING, 0, color);
            SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, session.choice->index, 0);
            return TRUE;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 20;
            return TRUE;
        case WM_DRAWITEM:
            DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == combo) {
                // Only a new selection: other notifications (the focus
                // leaving after Cancel) must not undo the restore.
                if (HIWORD(wParam) == CBN_SELCHANGE) {
                    const LRESULT index = SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0);
                    if (index >= 0 && index < 8) {
                        session.choice->color =
                            static_cast<ColorRef>(SendDlgItemMessageA(dialog, combo, CB_GETITEMDATA, index, 0));
                        session.choice->index = static_cast<int>(index);
                    }
                }
                return TRUE;
            }
            switch (LOWORD(wParam)) {
                case IDOK: EndDialog(dialog, 1); return TRUE;
                case IDCANCEL: Restore(dialog, 2); return TRUE;
            }
            return FALSE;
        case WM_CLOSE: Restore(dialog, 0); return TRUE;
    }
    return FALSE;
}

}  // namespace

MaskDialogResult ChooseMaskColor(HWND owner, int comboId, MaskChoice& choice) {
    session = {&choice, choice, comboId, false};
    const INT_PTR result = DialogBoxParamA(frame.instance, frame.japanese ? "COLORSELECT_DLG_J" : "COLORSELECT_DLG",
                                           owner, ColorSelectProc, 0);
    if (result == -1) return MaskDialogResult::Failed;
    return session.cancelled ? MaskDialogResult::Cancelled : MaskDialogResult::Chosen;
}
