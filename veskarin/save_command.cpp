#include <windows.h>

#include "fileops/display_copy_file.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"
#include "frame/save_dialog.h"
#include "frame/win32_file_system.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"

namespace {

const SaveRules kSaveRules{"Icon (*.ico)\0*.ico\0", "ICO", ".ICO", &veskarin_texts::kSaveTitle,
                           &veskarin_texts::kSaveWrongExtension};

}  // namespace

void SaveIconCommand(HWND window) {
    if (!inspector.HasImage() || inspector.icoFileMode) return;
    char path[kPathSize];
    if (!ChooseSavePath(window, kSaveRules, path)) return;
    if (!HasFreeSpace(path, static_cast<uint64_t>(inspector.icoFileSize))) {
        ShowMessage(window, frame_texts::kNoFreeSpace);
        return;
    }
    if (FileExists(path) && ShowMessage(window, frame_texts::kOverwrite) != IDYES) return;

    // Written beside the target and swapped in: a file the user agreed to
    // overwrite stays whole unless the new one is complete.
    FileSource source(inspector.openPath);
    Win32FileSystem fs;
    const DisplayCopyResult result = source.IsOpen() ? WriteIconFile(source, inspector.Current(), fs, path)
                                                     : DisplayCopyResult::SourceUnreadable;
    if (result == DisplayCopyResult::SourceUnreadable) ShowMessage(window, veskarin_texts::kSourceUnreadable);
    if (result == DisplayCopyResult::NotWritten) ShowMessage(window, veskarin_texts::kTargetNotMade);
}
