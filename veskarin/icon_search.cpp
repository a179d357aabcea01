#include <windows.h>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/search_notice.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "scan/image_scanner.h"
#include "texts/search_messages.h"

namespace {

ScanResult Scan(const std::string& path, bool icoFileMode) {
    ScanOptions options;
    options.kind = SearchKind::Icons;
    options.icoPrecheck = icoFileMode;
    return ScanFile(path, options);
}

bool RefusedBeforeSearch(const ScanResult& result) {
    return result.outcome == ScanOutcome::IcoCountNotOne || result.outcome == ScanOutcome::OpenFailed;
}

}  // namespace

void SearchIcons(HWND window, const std::string& path, bool icoFileMode) {
    // An .ico file that cannot be read or holds more than one image is
    // refused before anything of the open file is given up: its path, mode,
    // table, icon and title all stay. Such files are small, so they are
    // simply scanned here.
    ScanResult result;
    if (icoFileMode) {
        result = Scan(path, true);
        if (RefusedBeforeSearch(result)) {
            ShowMessage(window, *SearchMessage(SearchKind::Icons, result.outcome, true));
            return;
        }
    }

    inspector.openPath = path;
    inspector.icoFileMode = icoFileMode;
    EnterImageMode(window);
    ResetScrollBars(window);
    inspector.imagePresent = false;
    inspector.currentIndex = -1;
    inspector.lastIndex = -1;
    PublishToolView();
    FreeDib(frame.dib);  // the previous icon is given up and wiped off
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    result = SearchWithNotices(window, SearchKind::Icons, icoFileMode,
                               [&] { return icoFileMode ? result : Scan(path, false); });
    inspector.table = result.entries;
    inspector.fileSize = result.fileSize;

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
    ShowNewIcon(window);
    RepaintBarButton(window, "ZmIn");
}
