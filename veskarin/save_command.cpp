#include <windows.h>

#include <cstring>

#include "fileops/display_copy_file.h"
#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"
#include "frame/win32_file_system.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"

namespace {

void RepaintSaveButton(HWND window) { RepaintBarButton(window, "SaveAs"); }

// The save path, or false when the user gave up or was refused.
bool ChooseSavePath(HWND window, char* path) {
    static const char kFilter[] = "Icon (*.ico)\0*.ico\0";
    for (;;) {
        std::memset(path, 0, kPathSize);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = kFilter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = veskarin_texts::kSaveTitle.Text(frame.japanese);
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpstrDefExt = "ICO";
        if (!GetSaveFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error == 0)
                RepaintSaveButton(window);
            else
                ShowMessageFormatted(window, veskarin_texts::kSaveDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        RepaintSaveButton(window);
        if (IsRefusedDrive(DriveRoot(path))) {
            ShowMessage(window, veskarin_texts::kSaveRemovable);
            return false;
        }
        if (HasExtension(path, ".ICO")) return true;
        ShowMessage(window, veskarin_texts::kSaveWrongExtension);
    }
}

}  // namespace

void SaveIconCommand(HWND window) {
    if (!inspector.HasImage() || inspector.icoFileMode) return;
    char path[kPathSize];
    if (!ChooseSavePath(window, path)) return;
    if (!HasFreeSpace(path, static_cast<uint64_t>(inspector.icoFileSize))) {
        ShowMessage(window, veskarin_texts::kNoFreeSpace);
        return;
    }
    if (FileExists(path) && ShowMessage(window, veskarin_texts::kOverwrite) != IDYES) return;

    // Written beside the target and swapped in: a file the user agreed to
    // overwrite stays whole unless the new one is complete.
    FileSource source(inspector.openPath);
    Win32FileSystem fs;
    const DisplayCopyResult result = source.IsOpen() ? WriteIconFile(source, inspector.Current(), fs, path)
                                                     : DisplayCopyResult::SourceUnreadable;
    if (result == DisplayCopyResult::SourceUnreadable) ShowMessage(window, veskarin_texts::kSourceUnreadable);
    if (result == DisplayCopyResult::NotWritten) ShowMessage(window, veskarin_texts::kTargetNotMade);
}
