#include <windows.h>

#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "frame/topmost.h"
#include "frame/wait_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "scan/image_scanner.h"
#include "texts/search_messages.h"

namespace {

ScanResult Scan() {
    ScanOptions options;
    options.kind = SearchKind::Icons;
    options.icoPrecheck = inspector.icoFileMode;
    return ScanFile(inspector.openPath, options);
}

bool RefusedBeforeSearch(const ScanResult& result) {
    return result.outcome == ScanOutcome::IcoCountNotOne || result.outcome == ScanOutcome::OpenFailed;
}

}  // namespace

void SearchIcons(HWND window) {
    // An .ico file that cannot be read or holds more than one image is
    // refused before the shown icon is given up. Such files are small, so
    // they are simply scanned here.
    ScanResult result;
    const bool scanned = inspector.icoFileMode;
    if (scanned) {
        result = Scan();
        if (RefusedBeforeSearch(result)) {
            ShowMessage(window, *SearchMessage(SearchKind::Icons, result.outcome, true));
            return;
        }
    }

    inspector.imagePresent = false;
    inspector.currentIndex = -1;
    inspector.lastIndex = -1;
    PublishToolView();
    FreeDib(frame.dib);  // the previous icon is given up and wiped off
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    SetWindowTextA(window, frame.program->englishName);
    SetTopmost(window, true);
    {
        WaitBox wait(window);
        WaitCursor();
        if (!scanned) result = Scan();
        wait.Close();
    }
    ArrowCursor();

    inspector.table = result.entries;
    inspector.fileSize = result.fileSize;
    const Message* message = SearchMessage(SearchKind::Icons, result.outcome, inspector.icoFileMode);
    if (message != nullptr) ShowMessage(window, *message);
    SetTopmost(window, false);

    const bool found = result.outcome == ScanOutcome::Found || result.outcome == ScanOutcome::LimitReached;
    if (!found || result.entries.empty()) {
        // No command may act on a table that is not shown.
        DisableImageButtons();
        return;
    }
    frame.zoomFactor = 1;
    inspector.imagePresent = true;
    inspector.currentIndex = 0;
    inspector.lastIndex = static_cast<int>(result.entries.size()) - 1;
    PublishToolView();
    RenderIcon(window, 0);
    ShowIcon(window, 0);
    RepaintRect(window, 175, 0, 207, 20);
}
