#include "frame/save_dialog.h"

#include <cstring>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"

bool ChooseSavePath(HWND window, const SaveRules& rules, char* path) {
    for (;;) {
        std::memset(path, 0, kPathSize);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = rules.filter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = rules.title->Text(frame.japanese);
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpstrDefExt = rules.defaultExtension;
        const bool chosen = GetSaveFileNameA(&dialog) != FALSE;
        // The dialog has closed: the Save As button is drawn in its state at once.
        RepaintBarButton(window, "SaveAs");
        if (!chosen) {
            const DWORD error = CommDlgExtendedError();
            if (error != 0) ShowMessageFormatted(window, frame_texts::kSaveDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        if (IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, frame_texts::kSaveRemovable);
            return false;
        }
        if (HasExtension(path, rules.extension)) return true;
        ShowMessage(window, *rules.wrongExtension);
    }
}
