#include <windows.h>

#include <cstring>

#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "texts/change_messages.h"

namespace {

using namespace peltrane_texts;

void RepaintOpenButton(HWND window) { RepaintRect(window, 15, 0, 47, 20); }

}  // namespace

void OpenCommand(HWND window) {
    if (!MayLeavePaletteChange(window, kLeaveForOpen)) return;
    static const char kFilter[] = "EXE/DLL/BMP (*.exe;*.dll;*.bmp)\0*.exe;*.dll;*.bmp\0";
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
        dialog.lpstrTitle = kOpenTitle.Text(frame.japanese);
        dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!GetOpenFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintOpenButton(window);
            else
                ShowMessageFormatted(window, kOpenDialogFailed, static_cast<unsigned long>(error));
            return;
        }
        RepaintOpenButton(window);
        if (lstrcmpiA(path, frame.programPath) == 0) {
            ShowMessage(window, kOpenMyself);
            return;
        }
        if (IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, kOpenRemovable);
            return;
        }
        if (!HasExtension(path, ".EXE") && !HasExtension(path, ".DLL") && !HasExtension(path, ".BMP")) {
            ShowMessage(window, kOpenWrongExtension);
            continue;
        }
        if (!FileExists(path)) {
            ShowMessage(window, NoSelectedFileMessage());
            continue;
        }
        break;
    }
    inspector.openPath = path;
    inspector.bmpFileMode = HasExtension(path, ".BMP");
    PublishToolView();
    EnterImageMode(window);
    ResetScrollBars(window);
    if (palette.Open()) {
        InvalidateRect(palette.editor, nullptr, FALSE);
        UpdateWindow(palette.editor);
    }
    SearchBitmaps(window);
}
