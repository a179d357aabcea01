#include "frame/busy.h"

#include <shellapi.h>

#include "frame/button_bar.h"
#include "frame/frame_state.h"

namespace {

int depth = 0;

void DiscardWaitingDrops() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_DROPFILES, WM_DROPFILES, PM_REMOVE)) {
        // PeekMessage hands out a waiting WM_QUIT whatever its filter (Exit
        // posts one inside its command): it is posted again for the loop.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DragFinish(reinterpret_cast<HDROP>(message.wParam));
    }
}

}  // namespace

CommandScope::CommandScope() { ++depth; }

CommandScope::~CommandScope() {
    if (--depth == 0) DiscardWaitingDrops();
}

bool CommandRunning(HWND mainWindow) { return depth > 0 || !IsWindowEnabled(mainWindow); }

void RunCommand(HWND window, WPARAM wParam) {
    CommandScope command;
    HideHoverLabel(window);
    frame.program->onCommand(window, LOWORD(wParam));
}
