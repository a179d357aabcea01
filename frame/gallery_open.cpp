#include "frame/gallery_open.h"

#include <cstring>

#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "texts/change_messages.h"
#include "texts/gallery_messages.h"

bool ChooseGallerySource(HWND window, std::string& chosen) {
    static const char kFilter[] = "EXE/DLL (*.exe;*.dll)\0*.exe;*.dll\0";
    char path[kPathSize];
    for (;;) {
        std::memset(path, 0, sizeof path);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = kFilter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = gallery_texts::kOpenTitle.Text(frame.japanese);
        dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error != 0)
                ShowMessageFormatted(window, gallery_texts::kOpenDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, gallery_texts::kOpenMyself);
            return false;
        }
        if (IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, gallery_texts::kOpenRemovable);
            return false;
        }
        if (!HasExtension(path, ".EXE") && !HasExtension(path, ".DLL")) {
            ShowMessage(window, gallery_texts::kOpenWrongExtension);
            continue;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            continue;
        }
        chosen = path;
        return true;
    }
}
