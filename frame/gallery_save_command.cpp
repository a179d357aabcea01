#include "frame/gallery_save_command.h"

#include <cstring>

#include "fileops/gallery_save.h"
#include "frame/confirm_overwrite.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/gallery_window.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"
#include "frame/win32_file_system.h"

namespace {

// The save path, or false when the user gave up.
bool ChooseSavePath(HWND window, const GallerySaveKind& kind, char* path) {
    for (;;) {
        std::memset(path, 0, kPathSize);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = kind.filter;
        dialog.lpstrFile = path;
        dialog.nMaxFile = kPathSize;
        dialog.lpstrTitle = kind.title->Text(frame.japanese);
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        dialog.lpstrDefExt = kind.defaultExtension;
        if (!GetSaveFileNameA(&dialog)) {
            const DWORD error = CommDlgExtendedError();
            if (error != 0)
                ShowMessageFormatted(window, gallery_texts::kSaveDialogFailed, static_cast<unsigned long>(error));
            return false;
        }
        if (HasExtension(path, kind.extension)) return true;
        ShowMessage(window, kind.texts->wrongExtension);
    }
}

const Message& ResultMessage(const GallerySaveKind& kind, SaveRunResult result) {
    switch (result) {
        case SaveRunResult::Succeeded: return SavedAllMessage(kind.texts->kind);
        case SaveRunResult::NothingSaved: return kind.texts->nothingSaved;
        case SaveRunResult::Interrupted: return kind.texts->interrupted;
        case SaveRunResult::SourceUnreadable: return gallery_texts::kSourceUnreadable;
        case SaveRunResult::TargetNotMade: break;
    }
    return TargetNotMadeMessage();
}

}  // namespace

void SaveGalleryImages(HWND window, const GallerySaveKind& kind, bool saveAll) {
    if (gallery.table.empty() || (!saveAll && !gallery.selectionShown)) return;
    const int first = saveAll ? 0 : gallery.selectedIndex;
    const int last = saveAll ? gallery.LastIndex() : gallery.selectedIndex;
    if (first < 0 || last > gallery.LastIndex()) return;

    char path[kPathSize];
    if (!ChooseSavePath(window, kind, path)) return;
    if (GetDriveTypeA(DriveRoot(path).c_str()) != DRIVE_FIXED) {
        ShowMessage(window, gallery_texts::kSaveNotHardDisk);
        return;
    }
    if (!HasMoreFreeSpaceThan(path, kind.room(first, last))) {
        ShowMessage(window, gallery_texts::kSaveNoFreeSpace);
        return;
    }
    FileSource source(gallery.openPath);
    if (!source.IsOpen()) {
        ShowMessage(window, gallery_texts::kSourceUnreadable);
        return;
    }

    SaveRun run;
    run.table = &gallery.table;
    run.first = first;
    run.last = last;
    run.saveAll = saveAll;
    run.savePath = path;
    run.extension = kind.extension;
    run.build = kind.build;
    run.askOverwrite = [&](const std::string&) {
        ArrowCursor();
        const OverwriteAnswer answer = ConfirmOverwrite(window);
        WaitCursor();
        return answer;
    };
    WaitCursor();
    Win32FileSystem fs;
    const SaveRunOutcome outcome = RunSave(fs, source, run);
    ArrowCursor();
    ShowMessage(window, ResultMessage(kind, outcome.result));
}
