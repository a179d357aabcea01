#include <windows.h>

#include <vector>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"
#include "imaging/bmp_layout.h"
#include "inspector/save_target.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "texts/image_messages.h"

using namespace peltrane_texts;

void SaveBitmapCommand(HWND window) {
    if (!inspector.file.HasImage() || inspector.file.fileMode) return;
    // The answer decides what is written, every time: the bitmap as found,
    // or with the editor's current palette.
    bool colorChanged = false;
    if (palette.HasChange()) {
        colorChanged = ShowMessage(window, kSaveColorChanged) == IDYES;
        frame.hoverButton = 0;
    }
    char path[kPathSize];
    const FoundImage& entry = inspector.file.Current();
    if (!ChooseSaveTarget(window, kBitmapSaveRules, static_cast<uint64_t>(BitmapFileSize(entry)), path)) return;

    WaitCursor();
    const std::vector<uint8_t> changed = colorChanged ? palette.history.Current() : std::vector<uint8_t>();
    DisplayCopyResult result = DisplayCopyResult::SourceUnreadable;
    // Written beside the target and swapped in: a file the user agreed to
    // overwrite stays whole unless the new one is complete.
    Win32FileSystem fs;
    {
        FileSource source(inspector.file.openPath);
        if (source.IsOpen()) result = WriteBitmapFile(source, entry, fs, path, colorChanged ? &changed : nullptr);
    }
    ArrowCursor();
    if (result == DisplayCopyResult::SourceUnreadable) {
        ShowMessage(window, *DisplayCopyMessage(DisplayCopyKind::Bitmap, result));
        return;
    }
    if (result == DisplayCopyResult::NotWritten) {
        ShowMessage(window, TargetNotMadeMessage());
        return;
    }
    // The changed colours are kept in a file now: closing the editor need not ask.
    if (colorChanged) palette.history.MarkSaved();
}
