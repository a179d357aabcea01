#include <windows.h>

#include <vector>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/save_dialog.h"
#include "frame/win32_file_system.h"
#include "frame/open_dialog.h"
#include "imaging/bmp_layout.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "texts/image_messages.h"

namespace {

using namespace peltrane_texts;

const SaveRules kSaveRules{"Bitmap (*.bmp)\0*.bmp\0", "BMP", ".BMP", &kSaveTitle, &kSaveWrongExtension};

}  // namespace

void SaveBitmapCommand(HWND window) {
    if (!inspector.HasImage() || inspector.bmpFileMode) return;
    // The answer decides what is written, every time: the bitmap as found,
    // or with the editor's current palette.
    bool colorChanged = false;
    if (palette.HasChange()) {
        colorChanged = ShowMessage(window, kSaveColorChanged) == IDYES;
        frame.hoverButton = 0;
    }
    char path[kPathSize];
    if (!ChooseSavePath(window, kSaveRules, path)) return;
    const FoundImage& entry = inspector.Current();
    if (!HasFreeSpace(path, static_cast<uint64_t>(BitmapFileSize(entry)))) {
        ShowMessage(window, frame_texts::kNoFreeSpace);
        return;
    }
    if (FileExists(path) && ShowMessage(window, frame_texts::kOverwrite) != IDYES) return;

    WaitCursor();
    const std::vector<uint8_t> changed = colorChanged ? palette.history.Current() : std::vector<uint8_t>();
    DisplayCopyResult result = DisplayCopyResult::SourceUnreadable;
    // Written beside the target and swapped in: a file the user agreed to
    // overwrite stays whole unless the new one is complete.
    Win32FileSystem fs;
    {
        FileSource source(inspector.openPath);
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
