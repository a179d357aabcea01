#include <windows.h>

#include <string>

#include "frame/image_view.h"
#include "frame/open_dialog.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"

void OpenCommand(HWND window) {
    if (!MayLeavePaletteChange(window, peltrane_texts::kLeaveForOpen)) return;
    static const OpenRules kRules{"EXE/DLL/BMP (*.exe;*.dll;*.bmp)\0*.exe;*.dll;*.bmp\0", ".BMP",
                                  &peltrane_texts::kOpenMyself, &peltrane_texts::kOpenWrongExtension};
    const std::string path = ChooseFileToOpen(window, kRules);
    if (path.empty()) return;
    inspector.openPath = path;
    inspector.bmpFileMode = HasExtension(path, ".BMP");
    PublishToolView();
    EnterImageMode(window);
    ResetScrollBars(window);
    if (palette.Open()) {
        InvalidateRect(palette.editor, nullptr, FALSE);
        UpdateWindow(palette.editor);
    }
    SearchBitmaps(window);
}
