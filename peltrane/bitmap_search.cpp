#include <windows.h>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/search_notice.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "scan/image_scanner.h"

void SearchBitmaps(HWND window) {
    inspector.imagePresent = false;
    inspector.currentIndex = -1;
    inspector.lastIndex = -1;
    PublishToolView();
    FreeDib(frame.dib);  // the previous bitmap is given up and wiped off
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    const ScanResult result = SearchWithNotices(window, SearchKind::Bitmaps, inspector.bmpFileMode, [] {
        ScanOptions options;
        options.kind = SearchKind::Bitmaps;
        return ScanFile(inspector.openPath, options);
    });
    inspector.table = result.entries;
    inspector.fileSize = result.fileSize;

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
