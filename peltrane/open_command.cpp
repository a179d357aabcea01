#include <windows.h>

#include <string>

#include "frame/open_dialog.h"
#include "inspector/image_view.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"

void OpenCommand(HWND window) {
    if (!MayLeavePaletteChange(window, peltrane_texts::kLeaveForOpen)) return;
    static const OpenRules kRules{"EXE/DLL/BMP (*.exe;*.dll;*.bmp)\0*.exe;*.dll;*.bmp\0", ".BMP",
                                  &peltrane_texts::kOpenMyself, &peltrane_texts::kOpenWrongExtension};
    const std::string path = ChooseFileToOpen(window, kRules);
    if (path.empty()) return;
    inspector.file.openPath = path;
    inspector.file.fileMode = HasExtension(path, ".BMP");
    inspector.file.Publish();
    EnterImageMode(window);
    ResetScrollBars(window);
    if (palette.Open()) {
        InvalidateRect(palette.editor, nullptr, FALSE);
        UpdateWindow(palette.editor);
    }
    SearchBitmaps(window);
}
