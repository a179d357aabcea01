#include "frame/dropped_file.h"

#include <shellapi.h>

#include "frame/busy.h"
#include "frame/button_bar.h"
#include "frame/frame_state.h"

namespace {

std::string dropped;

std::string FirstFile(HDROP drop) {
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    if (length == 0 || length >= kPathSize) return "";
    char path[kPathSize] = {};
    return DragQueryFileA(drop, 0, path, kPathSize) == length ? path : "";
}

}  // namespace

void OpenDroppedFile(HWND window, HDROP drop) {
    const std::string path = CommandRunning(window) ? "" : FirstFile(drop);
    DragFinish(drop);
    const int open = BarCommand("Open");
    if (path.empty() || open == 0) return;
    dropped = path;
    RunCommand(window, open);
    dropped.clear();
}

const std::string& DroppedFile() { return dropped; }
