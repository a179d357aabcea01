#include <windows.h>

#include <string>

#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/icon_kinds_option.h"
#include "frame/message_box.h"
#include "frame/topmost.h"
#include "gallery/search.h"
#include "gallery/window.h"
#include "imaging/icon_grid_page.h"
#include "mordelix/mordelix_state.h"
#include "scan/image_scanner.h"
#include "texts/gallery_messages.h"

namespace {

// The page picture's file: a 24-bit BMP of the whole grid.
uint64_t PagePictureSize() {
    const int64_t width = int64_t{gallery.layout.columns} * 65 + 1;
    const int64_t height = int64_t{gallery.layout.rows} * 65 + 1;
    return static_cast<uint64_t>(PagePixels::RowBytes(static_cast<int32_t>(width)) * height + 54);
}

// An empty grid: the open file stays, without a table (its search under the
// option as it now stands found nothing).
void ShowNoIcons(HWND window, ByteSource& file) {
    gallery.table.clear();
    gallery.pageIndex = 0;
    RedrawGridPage(window, file, false);
}

// The search with its progress box. On success the new file's table and its
// first page replace the old; on failure everything stays as it was, unless
// the open file is searched `again` (the option changed): then its old table
// was found under the other option and goes.
void CollectIcons(HWND window, const std::string& path, bool again) {
    FileSource file(path);
    if (!SourceOpened(window, file)) {
        if (again) ShowNoIcons(window, file);
        return;
    }
    ScanResult result;
    {
        TopmostScope topmost(window);
        result = SearchGallerySource(window, icons.progress, SearchKind::GalleryIcons, false, file);
    }
    if (!TableFound(result)) {
        if (again) ShowNoIcons(window, file);
        return;
    }

    gallery.table = std::move(result.entries);
    gallery.openPath = path;
    gallery.pageIndex = 0;
    if (frame.viewMode == 0) {
        WaitCursor();
        ShowFirstPage(window, file);
        ArrowCursor();
    } else {
        RedrawGridPage(window, file, false);
    }
}

}  // namespace

void OpenSourceFile(HWND window) {
    const std::string path = ChooseGallerySource(window);
    if (path.empty()) return;
    if (!HasFreeSpace(frame.displayCopyPath, PagePictureSize())) {
        ShowMessage(window, gallery_texts::kNoRoomForPicture);
        return;
    }
    CollectIcons(window, path, false);
}

void SwitchIconKinds(HWND window) {
    SwitchAllIconKinds();
    // Before the first page there is nothing to search: the option waits for Open.
    if (frame.viewMode != 1 || gallery.openPath.empty()) return;
    ClearSelection(window);
    CollectIcons(window, gallery.openPath, true);
}
