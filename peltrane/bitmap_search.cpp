#include <windows.h>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "inspector/image_view.h"
#include "inspector/search_notice.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "scan/image_scanner.h"

void SearchBitmaps(HWND window) {
    ForgetTable(window, inspector.file);
    const ScanResult result = SearchWithNotices(window, SearchKind::Bitmaps, inspector.file.fileMode, [] {
        ScanOptions options;
        options.kind = SearchKind::Bitmaps;
        return ScanFile(inspector.file.openPath, options);
    });
    if (!TakeTable(inspector.file, result)) {
        // No command may act on a table that is not shown; an open editor
        // has no bitmap left to edit.
        DestroyPaletteEditor(window);
        DisableImageButtons();
        return;
    }
    ShowNewBitmap(window);
    RepaintBarButton(window, "ZmIn");
}
