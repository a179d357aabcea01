#include "inspector/opened_file.h"

#include "inspector/view_state.h"

void OpenedFile::Publish() const {
    view.tool.imagePresent = imagePresent;
    view.tool.currentIndex = currentIndex;
    view.tool.lastIndex = lastIndex;
    view.tool.fileMode = fileMode;
}

void ForgetTable(HWND window, OpenedFile& file) {
    file.imagePresent = false;
    file.currentIndex = -1;
    file.lastIndex = -1;
    file.Publish();
    FreeDib(view.dib);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

bool TakeTable(OpenedFile& file, const ScanResult& result) {
    file.table = result.entries;
    file.fileSize = result.fileSize;
    if (!TableFound(result) || result.entries.empty()) return false;
    view.zoomFactor = 1;
    file.imagePresent = true;
    file.currentIndex = 0;
    file.lastIndex = static_cast<int>(result.entries.size()) - 1;
    file.Publish();
    return true;
}
