#include <windows.h>

#include <string>
#include <vector>

#include "fileops/file_system.h"
#include "fileops/icon_replacement.h"
#include "fileops/in_place_change.h"
#include "frame/change_in_place.h"
#include "frame/frame_state.h"
#include "frame/replace_dialog.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_texts.h"
#include "imaging/ico_description.h"
#include "texts/change_messages.h"

namespace {

using namespace veskarin_texts;

bool DescribeIcoPath(const char* path, std::string& words) {
    FileSource ico(path);
    return ico.IsOpen() && DescribeIcoFile(ico, words);
}

// The in-place write, after the user confirmed it. The file is either fully
// changed or left as it was; the backup is made first.
void ReplaceIcon(HWND window, const char* icoPath) {
    std::vector<uint8_t> image;
    if (!ReadReplacement(window, ChangeKind::IconReplace, inspector.openPath, inspector.Current(), icoPath, CheckIconReplacement, image))
        return;
    const InPlaceChange change = ChangeFileInPlace(window, ChangeKind::IconReplace, inspector.openPath,
                                                   inspector.fileSize, inspector.Current().headerOffset, image);
    if (!change.done) return;
    ShowNewIcon(window);
    ShowMessageFormatted(window, SavedAsMessage(), change.backupName.c_str());
}

}  // namespace

void ReplaceIconCommand(HWND window) {
    if (!inspector.HasImage() || inspector.icoFileMode) return;
    const bool j = frame.japanese;
    const ReplaceDialog dialog{"Icon (*.ico)\0*.ico\0",
                               kReplaceTitle.Text(j),
                               kReplaceButton.Text(j),
                               j ? kReplacePanelJ : kReplacePanel,
                               kReplaceableEdit,
                               kSelectedEdit,
                               ChangeKind::IconReplace,
                               &kReplaceDialogFailed,
                               &kOpenMyself,
                               kReplaceableLine.Text(j),
                               kSelectedLine.Text(j),
                               &kReplaceConfirmation,
                               DescribeIcoPath,
                               inspector.replaceableInfo};
    char path[kPathSize];
    if (ChooseReplacement(window, dialog, path)) ReplaceIcon(window, path);
}
