#include <windows.h>

#include <string>

#include "frame/frame_texts.h"
#include "frame/open_dialog.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_texts.h"

void OpenCommand(HWND window) {
    static const OpenRules kRules{"EXE/DLL/ICO (*.exe;*.dll;*.ico)\0*.exe;*.dll;*.ico\0", ".ICO",
                                  &frame_texts::kOpenMyself, &veskarin_texts::kOpenWrongExtension};
    const std::string path = ChooseFileToOpen(window, kRules);
    if (path.empty()) return;
    SearchIcons(window, path, HasExtension(path, ".ICO"));
}
