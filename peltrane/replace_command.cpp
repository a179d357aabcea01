#include <windows.h>

#include <string>
#include <vector>

#include "fileops/backup_numbering.h"
#include "fileops/bitmap_replacement.h"
#include "fileops/file_system.h"
#include "fileops/in_place_change.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/replace_dialog.h"
#include "imaging/bmp_description.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "peltrane/resource_ids.h"
#include "texts/change_messages.h"

namespace {

using namespace peltrane_texts;

bool DescribeBmpPath(const char* path, std::string& words) {
    FileSource bmp(path);
    return bmp.IsOpen() && DescribeBmpFile(bmp, words);
}

// The in-place write, after the user confirmed it. The file is either fully
// changed or left as it was; the backup is made first. The table stays: the
// new bitmap has the old one's place and sizes.
void ReplaceBitmap(HWND window, const char* bmpPath) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    std::vector<uint8_t> image;
    {
        FileSource bmp(bmpPath);
        if (!bmp.IsOpen()) {
            ShowMessage(window, *ChangeMessage(ChangeKind::BitmapReplace, ChangeResult::NewImageUnreadable));
            return;
        }
        FileSource file(inspector.openPath);
        const ChangeResult check = file.IsOpen() ? CheckBitmapReplacement(file, inspector.Current(), bmp, image)
                                                 : ChangeResult::SourceUnreadable;
        if (check != ChangeResult::Done) {
            ShowMessage(window, *ChangeMessage(ChangeKind::BitmapReplace, check));
            return;
        }
    }
    WaitCursor();
    SetWindowTextA(window, frame.program->englishName);
    if (!HasFreeSpace(inspector.openPath, static_cast<uint64_t>(inspector.fileSize))) {
        ArrowCursor();
        ShowMessage(window, kNoFreeSpace);
        return;
    }
    StdFileSystem fs;
    const BackupName backup = NextBackupName(fs, inspector.openPath);
    if (backup.wrapped) {
        ArrowCursor();
        ShowMessage(window, BackupWrappedMessage());
        WaitCursor();
    }
    const ChangeResult result =
        ChangeInPlace(fs, inspector.openPath, backup.path, inspector.Current().headerOffset, image);
    ArrowCursor();
    const std::string backupName = FileNamePart(backup.path);
    // Shown again from the file as it now is (also after a failure: the title).
    if (WriteDisplayCopy(window, inspector.currentIndex)) LoadShownBitmap(window, inspector.currentIndex);
    RefreshPaletteEditor(window);
    if (result != ChangeResult::Done) {
        ShowMessageFormatted(window, *ChangeMessage(ChangeKind::BitmapReplace, result), backupName.c_str());
        return;
    }
    ShowMessageFormatted(window, SavedAsMessage(), backupName.c_str());
}

}  // namespace

void ReplaceBitmapCommand(HWND window) {
    if (!inspector.HasImage() || inspector.bmpFileMode) return;
    const bool j = frame.japanese;
    ReplaceDialog dialog{"Bitmap (*.bmp)\0*.bmp\0",
                         kReplaceTitle.Text(j),
                         kReplaceButton.Text(j),
                         j ? kReplacePanelJ : kReplacePanel,
                         kReplaceableEdit,
                         kSelectedEdit,
                         {207, 0, 239, 20},
                         ChangeKind::BitmapReplace,
                         &kReplaceDialogFailed,
                         &kOpenMyself,
                         kReplaceableLine.Text(j),
                         kSelectedLine.Text(j),
                         &kReplaceConfirmation,
                         DescribeBmpPath,
                         inspector.shownWords};
    char path[kPathSize];
    if (ChooseReplacement(window, dialog, path)) ReplaceBitmap(window, path);
}
