#include <windows.h>

#include <cstring>

#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"
#include "texts/change_messages.h"

namespace {

void RepaintOpenButton(HWND window) { RepaintRect(window, 47, 0, 79, 20); }

}  // namespace

void OpenCommand(HWND window) {
    static const char kFilter[] = "EXE/DLL/ICO (*.exe;*.dll;*.ico)\0*.exe;*.dll;*.ico\0";
    // The choice is made in a buffer of its own: a cancelled or refused
    // choice leaves the open file (and what Save and Replace use) as it was.
    char path[kPathSize];
    for (;;) {
        std::memset(path, 0, sizeof path);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = kFilter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = veskarin_texts::kOpenTitle.Text(frame.japanese);
        dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintOpenButton(window);
            else
                ShowMessageFormatted(window, veskarin_texts::kOpenDialogFailed, static_cast<unsigned long>(error));
            return;
        }
        RepaintOpenButton(window);
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, veskarin_texts::kOpenMyself);
            return;
        }
        if (IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, veskarin_texts::kOpenRemovable);
            return;
        }
        if (!HasExtension(path, ".EXE") && !HasExtension(path, ".DLL") && !HasExtension(path, ".ICO")) {
            ShowMessage(window, veskarin_texts::kOpenWrongExtension);
            continue;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            continue;
        }
        break;
    }
    inspector.openPath = path;
    inspector.icoFileMode = HasExtension(path, ".ICO");
    PublishToolView();
    EnterImageMode(window);
    ResetScrollBars(window);
    SearchIcons(window);
}
