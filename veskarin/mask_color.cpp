#include <windows.h>

#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_texts.h"

namespace {

constexpr COLORREF kSwatches[] = {0x808000, 0x008000, 0x800000, 0x008080, 0x800080, 0x000080, 0xFFFFFF, 0x000000};

struct Opening {
    ColorRef color;
    int index;
    bool cancelled;
} opening;

void Restore(HWND dialog, INT_PTR result) {
    inspector.maskColor = opening.color;
    inspector.maskIndex = opening.index;
    opening.cancelled = true;
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
    switch (message) {
        case WM_INITDIALOG:
            SendDlgItemMessageA(dialog, kColorCombo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 25);
            SendDlgItemMessageA(dialog, kColorCombo, CB_RESETCONTENT, 0, 0);
            for (COLORREF color : kSwatches) SendDlgItemMessageA(dialog, kColorCombo, CB_ADDSTRING, 0, color);
            SendDlgItemMessageA(dialog, kColorCombo, CB_SETCURSEL, inspector.maskIndex, 0);
            return TRUE;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 20;
            return TRUE;
        case WM_DRAWITEM:
            DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kColorCombo:
                    // Only a new selection: other notifications (the focus
                    // leaving after Cancel) must not undo the restore.
                    if (HIWORD(wParam) == CBN_SELCHANGE) {
                        const LRESULT index = SendDlgItemMessageA(dialog, kColorCombo, CB_GETCURSEL, 0, 0);
                        if (index >= 0 && index < 8) {
                            inspector.maskColor =
                                static_cast<ColorRef>(SendDlgItemMessageA(dialog, kColorCombo, CB_GETITEMDATA, index, 0));
                            inspector.maskIndex = static_cast<int>(index);
                        }
                    }
                    return TRUE;
                case IDOK: EndDialog(dialog, 1); return TRUE;
                case IDCANCEL: Restore(dialog, 2); return TRUE;
            }
            return FALSE;
        case WM_CLOSE: Restore(dialog, 0); return TRUE;
    }
    return FALSE;
}

}  // namespace

void MaskColorCommand(HWND window) {
    opening = {inspector.maskColor, inspector.maskIndex, false};
    const INT_PTR result = DialogBoxParamA(frame.instance, frame.japanese ? "COLORSELECT_DLG_J" : "COLORSELECT_DLG",
                                           window, ColorSelectProc, 0);
    if (result == -1) {
        ShowMessage(window, veskarin_texts::kColorDialogFailed);
        return;
    }
    if (!opening.cancelled && frame.viewMode == 1 && inspector.HasImage()) ShowCurrentIconAgain(window);
}
