#include <windows.h>

#include "fileops/display_copy_file.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"
#include "inspector/save_target.h"
#include "texts/image_messages.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"

void SaveIconCommand(HWND window) {
    if (!inspector.file.HasImage() || inspector.file.fileMode) return;
    char path[kPathSize];
    if (!ChooseSaveTarget(window, kIconSaveRules, static_cast<uint64_t>(inspector.icoFileSize), path)) return;

    // Written beside the target and swapped in: a file the user agreed to
    // overwrite stays whole unless the new one is complete.
    FileSource source(inspector.file.openPath);
    Win32FileSystem fs;
    const DisplayCopyResult result = source.IsOpen() ? WriteIconFile(source, inspector.file.Current(), fs, path)
                                                     : DisplayCopyResult::SourceUnreadable;
    if (result == DisplayCopyResult::SourceUnreadable) ShowMessage(window, SourceUnreadableMessage());
    if (result == DisplayCopyResult::NotWritten) ShowMessage(window, TargetNotMadeMessage());
}
