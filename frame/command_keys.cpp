#include "frame/command_keys.h"

#include "frame/busy.h"
#include "frame/button_bar.h"
#include "frame/clipboard.h"
#include "frame/frame_state.h"
#include "framecore/command_keys.h"

bool RunCommandKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR) return false;
    HWND window = frame.mainWindow;
    if (window == nullptr || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    const unsigned key = static_cast<unsigned>(message.wParam);
    const KeyCommand command = message.message == WM_KEYDOWN ? CommandOfKey(key) : CommandOfCharacter(key);
    if (command == KeyCommand::None) return false;
    if (command == KeyCommand::Copy) {
        CopyPicture(window);
        return true;
    }
    const char* base = ButtonOfCommand(command);
    HWND button = BarButton(base);
    if (button == nullptr || !IsWindowEnabled(button)) return true;
    RunCommand(window, static_cast<WPARAM>(BarCommand(base)));
    HideHoverLabel(window);
    return true;
}
