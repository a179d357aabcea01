#include <windows.h>

#include <string>

#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
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

// The search with its progress box. On success the new file's table and its
// first page replace the old; on failure everything stays as it was.
void CollectIcons(HWND window, const std::string& path) {
    FileSource file(path);
    if (!SourceOpened(window, file)) return;
    ScanResult result;
    {
        TopmostScope topmost(window);
        result = SearchGallerySource(window, icons.progress, SearchKind::GalleryIcons, false, file);
    }
    if (!TableFound(result)) return;

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
    CollectIcons(window, path);
}
