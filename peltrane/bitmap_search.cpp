#include <windows.h>

#include "frame/button_bar.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "frame/wait_box.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "scan/image_scanner.h"
#include "texts/search_messages.h"

namespace {

void SetTopmost(HWND window, bool topmost) {
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE);
    EndDeferWindowPos(defer);
}

}  // namespace

void SearchBitmaps(HWND window) {
    inspector.imagePresent = false;
    inspector.currentIndex = -1;
    inspector.lastIndex = -1;
    PublishToolView();
    FreeDib(frame.dib);  // the previous bitmap is given up and wiped off
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    SetWindowTextA(window, frame.program->englishName);
    SetTopmost(window, true);
    ScanResult result;
    {
        // The box puts the palette editor back as the modeless dialog when it goes.
        WaitBox wait(window);
        WaitCursor();
        ScanOptions options;
        options.kind = SearchKind::Bitmaps;
        result = ScanFile(inspector.openPath, options);
        wait.Close();
    }
    ArrowCursor();

    inspector.table = result.entries;
    inspector.fileSize = result.fileSize;
    const Message* message = SearchMessage(SearchKind::Bitmaps, result.outcome, inspector.bmpFileMode);
    if (message != nullptr) ShowMessage(window, *message);
    SetTopmost(window, false);

    const bool found = result.outcome == ScanOutcome::Found || result.outcome == ScanOutcome::LimitReached;
    if (!found || result.entries.empty()) {
        // No command may act on a table that is not shown; an open editor
        // has no bitmap left to edit.
        DestroyPaletteEditor(window);
        DisableImageButtons();
        return;
    }
    frame.zoomFactor = 1;
    inspector.imagePresent = true;
    inspector.currentIndex = 0;
    inspector.lastIndex = static_cast<int>(result.entries.size()) - 1;
    PublishToolView();
    ShowNewBitmap(window);
    RepaintBarButton(window, "ZmIn");
}
