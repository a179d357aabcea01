#include "frame/save_dialog.h"

#include "frame/button_bar.h"
#include "frame/file_dialog.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"

const SaveRules kIconSaveRules{"Icon (*.ico)\0*.ico\0", "ICO", ".ICO", &frame_texts::kIconSaveTitle,
                               &frame_texts::kIconSaveWrongExtension};
const SaveRules kBitmapSaveRules{"Bitmap (*.bmp)\0*.bmp\0", "BMP", ".BMP", &frame_texts::kBitmapSaveTitle,
                                 &frame_texts::kBitmapSaveWrongExtension};

bool ChooseSavePath(HWND window, const SaveRules& rules, bool inspector, char* path) {
    for (;;) {
        OPENFILENAMEA dialog = FileDialog(window, rules.filter, rules.title->Text(frame.japanese), path);
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpstrDefExt = rules.defaultExtension;
        const bool chosen = GetSaveFileNameA(&dialog) != FALSE;
        // The dialog has closed: the Save As button is drawn in its state at once.
        if (inspector) RepaintBarButton(window, "SaveAs");
        if (!chosen) {
            const DWORD error = CommDlgExtendedError();
            if (error != 0) ShowMessageFormatted(window, frame_texts::kSaveDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        if (inspector && IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, frame_texts::kSaveRemovable);
            return false;
        }
        if (HasExtension(path, rules.extension)) return true;
        ShowMessage(window, *rules.wrongExtension);
    }
}
