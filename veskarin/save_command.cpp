#include <windows.h>

#include <vector>

#include "fileops/file_system.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/save_dialog.h"
#include "frame/open_dialog.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"
#include "imaging/ico_layout.h"

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

    std::vector<uint8_t> ico;
    {
        FileSource source(inspector.openPath);
        if (!source.IsOpen() || BuildIconFile(source, inspector.Current(), ico) != ImageRead::Ok) {
            ShowMessage(window, veskarin_texts::kSourceUnreadable);
            return;
        }
    }
    StdFileSystem fs;
    if (!WriteWholeFile(fs, path, ico.data(), ico.size())) {
        fs.Remove(path);  // never leave a half-written icon behind
        ShowMessage(window, veskarin_texts::kTargetNotMade);
    }
}
