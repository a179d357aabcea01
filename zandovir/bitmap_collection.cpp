#include <windows.h>

#include <algorithm>
#include <string>

#include "fileops/gallery_save.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/shell.h"
#include "frame/topmost.h"
#include "gallery/search.h"
#include "gallery/window.h"
#include "imaging/bmp_layout.h"
#include "scan/image_scanner.h"
#include "texts/gallery_messages.h"
#include "texts/image_messages.h"
#include "zandovir/zandovir_state.h"

namespace {

// Room for the largest bitmap as a BMP file, by whole 64 KiB.
uint64_t DisplayCopyRoom(const std::vector<FoundImage>& entries) {
    int64_t largest = 0;
    for (const FoundImage& entry : entries) largest = std::max(largest, BitmapFileSize(entry));
    return RoundUpTo64K(static_cast<uint64_t>(largest));
}

// The search with its progress box, then the thumbnails of page 0. On
// failure (also when there is no room for the thumbnails' file) the file,
// table and page shown before stay as they were.
void CollectBitmaps(HWND window, const std::string& path) {
    FileSource file(path);
    if (!SourceOpened(window, file)) return;
    TopmostScope topmost(window);
    ScanResult result = SearchGallerySource(window, bitmaps.progress, SearchKind::GalleryBitmaps, true, file);
    if (!TableFound(result)) return;
    if (!HasFreeSpace(frame.displayCopyPath, DisplayCopyRoom(result.entries))) {
        bitmaps.progress.Close();
        ArrowCursor();
        ShowMessage(window, gallery_texts::kNoRoomForPicture);
        return;
    }

    WaitCursor();
    gallery.table = std::move(result.entries);
    gallery.openPath = path;
    gallery.pageIndex = 0;
    LeaveStartupPicture();
    const bool loaded = LoadPageThumbnails(window, file);
    ArrowCursor();
    bitmaps.progress.Close();
    if (!loaded) ShowMessage(window, TemporaryNotMadeMessage(DisplayCopyKind::Bitmap));
    RepaintImageArea(window);
}

}  // namespace

void OpenSourceFile(HWND window) {
    const std::string path = ChooseGallerySource(window);
    if (!path.empty()) CollectBitmaps(window, path);
}
