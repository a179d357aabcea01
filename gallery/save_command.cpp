#include "gallery/save_command.h"

#include "fileops/gallery_save.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"
#include "frame/save_dialog.h"
#include "frame/win32_file_system.h"
#include "gallery/confirm_overwrite.h"
#include "gallery/window.h"

namespace {

const Message& ResultMessage(const GallerySaveKind& kind, SaveRunResult result) {
    switch (result) {
        case SaveRunResult::Succeeded: return SavedAllMessage(kind.texts->kind);
        case SaveRunResult::NothingSaved: return kind.texts->nothingSaved;
        case SaveRunResult::Interrupted: return kind.texts->interrupted;
        case SaveRunResult::SourceUnreadable: return SourceUnreadableMessage();
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
    if (!ChooseSavePath(window, *kind.dialog, false, path)) return;
    if (GetDriveTypeA(DriveRoot(path).c_str()) != DRIVE_FIXED) {
        ShowMessage(window, gallery_texts::kSaveNotHardDisk);
        return;
    }
    if (!HasMoreFreeSpaceThan(path, kind.room(first, last))) {
        ShowMessage(window, frame_texts::kNoFreeSpace);
        return;
    }
    FileSource source(gallery.openPath);
    if (!SourceOpened(window, source)) return;

    SaveRun run;
    run.table = &gallery.table;
    run.first = first;
    run.last = last;
    run.saveAll = saveAll;
    run.savePath = path;
    run.extension = kind.dialog->extension;
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
