#include <windows.h>

#include <string>

#include "fileops/file_system.h"
#include "fileops/icon_replacement.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/message_box.h"
#include "imaging/ico_description.h"
#include "inspector/replace_command.h"
#include "scan/modern_icons.h"
#include "veskarin/commands.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"

namespace {

using namespace veskarin_texts;

bool DescribeIcoPath(const char* path, std::string& words) {
    FileSource ico(path);
    return ico.IsOpen() && DescribeIcoFile(ico, words);
}

}  // namespace

void ReplaceIconCommand(HWND window) {
    if (inspector.file.HasImage() && !inspector.file.fileMode && IsModernIcon(inspector.file.Current())) {
        ShowMessage(window, ModernIconReplaceMessage());
        return;
    }
    const bool j = frame.japanese;
    const ReplaceDialog dialog{"Icon (*.ico)\0*.ico\0",
                               kReplaceTitle.Text(j),
                               j ? kReplacePanelJ : kReplacePanel,
                               kReplaceableEdit,
                               kSelectedEdit,
                               ChangeKind::IconReplace,
                               &frame_texts::kOpenMyself,
                               kReplaceableLine.Text(j),
                               kSelectedLine.Text(j),
                               DescribeIcoPath,
                               inspector.replaceableInfo};
    ReplaceCurrentImage(window, dialog, inspector.file, {CheckIconReplacement, ShowNewIcon, false});
}
