#include <windows.h>

#include "frame/button_bar.h"
#include "frame/frame_state.h"
#include "frame/icon_kinds_option.h"
#include "frame/message_box.h"
#include "inspector/image_view.h"
#include "inspector/search_notice.h"
#include "scan/modern_icons.h"
#include "texts/search_messages.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"

namespace {

ScanResult Scan(const std::string& path, bool icoFileMode) {
    ScanOptions options;
    options.kind = SearchKind::Icons;
    options.icoPrecheck = icoFileMode;
    options.allKinds = AllIconKindsIncluded();
    FileSource file(path);
    if (file.IsOpen()) return ScanAllKinds(file, options);
    ScanResult refused;
    refused.outcome = ScanOutcome::OpenFailed;
    return refused;
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

    inspector.file.openPath = path;
    inspector.file.fileMode = icoFileMode;
    EnterImageMode(window);
    ResetScrollBars(window);
    ForgetTable(window, inspector.file);
    result = SearchWithNotices(window, SearchKind::Icons, icoFileMode,
                               [&] { return icoFileMode ? result : Scan(path, false); });
    if (!TakeTable(inspector.file, result)) {
        // No command may act on a table that is not shown.
        DisableImageButtons();
        return;
    }
    ShowNewIcon(window);
    RepaintBarButton(window, "ZmIn");
}

void SwitchIconKinds(HWND window) {
    SwitchAllIconKinds();
    // Before the first Open there is nothing to search: the option waits for it.
    if (inspector.file.openPath.empty()) return;
    SearchIcons(window, inspector.file.openPath, inspector.file.fileMode);
    LayoutScrollBars(window);
}
