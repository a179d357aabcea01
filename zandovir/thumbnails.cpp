#include <windows.h>

#include <vector>

#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/shell.h"
#include "frame/topmost.h"
#include "frame/wait_box.h"
#include "frame/win32_file_system.h"
#include "gallery/window.h"
#include "imaging/bmp_layout.h"
#include "texts/gallery_messages.h"
#include "texts/image_messages.h"
#include "zandovir/zandovir_state.h"

namespace {

constexpr COLORREF kLineColor = RGB(0, 0, 0);

// Entry k as a BMP file in the temporary file, loaded and scaled by the
// system, the file deleted. A bitmap the system cannot read leaves its cell
// empty. False when the temporary file cannot be made.
bool LoadThumbnail(HWND window, ByteSource& file, int k, ThumbnailCell& cell) {
    const FoundImage& entry = gallery.table[static_cast<size_t>(k)];
    std::vector<uint8_t> bmp;
    if (BuildBitmapFile(file, entry, bmp) != ImageRead::Ok) return true;  // an empty cell
    Win32FileSystem fs;
    if (!WriteWholeFile(fs, frame.displayCopyPath, bmp.data(), bmp.size())) {
        fs.Remove(frame.displayCopyPath);
        return false;
    }
    cell.size = ThumbnailSize(entry.width, entry.height);
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, frame.displayCopyPath, IMAGE_BITMAP, cell.size.width, cell.size.height, LR_LOADFROMFILE));
    if (bitmap != nullptr) {
        WindowDC dc(window);
        cell.picture = MemoryPicture(dc.Get(), bitmap);
    }
    fs.Remove(frame.displayCopyPath);
    return true;
}

void TurnPage(HWND window, int step) {
    if (frame.viewMode != 1) return;
    if (!gallery.CanTurn(step)) return;
    FileSource file(gallery.openPath);
    if (!SourceOpened(window, file)) return;
    {
        TopmostScope topmost(window);
        WaitBox wait(window);
        WaitCursor();
        gallery.pageIndex += step;
        const bool loaded = LoadPageThumbnails(window, file);
        wait.Close();
        ArrowCursor();
        if (!loaded) ShowMessage(window, TemporaryNotMadeMessage(DisplayCopyKind::Bitmap));
    }
    RepaintImageArea(window);
}

void DrawGridLines(HDC dc) {
    const GridLayout& g = gallery.layout;
    ScopedPen pen(CreatePen(PS_SOLID, 1, kLineColor));
    Selection selected(dc, pen.Get());
    for (int i = 0; i <= g.rows; ++i) {
        MoveToEx(dc, g.Left(), g.Top() + g.pitchY * i, nullptr);
        LineTo(dc, g.Left() + g.pitchX * g.columns, g.Top() + g.pitchY * i);
    }
    for (int i = 0; i <= g.columns; ++i) {
        MoveToEx(dc, g.Left() + g.pitchX * i, g.Top(), nullptr);
        LineTo(dc, g.Left() + g.pitchX * i, g.Top() + g.pitchY * g.rows);
    }
}

}  // namespace

bool LoadPageThumbnails(HWND window, ByteSource& file) {
    bitmaps.cells.clear();  // the page shown before lets go of its pictures first
    const PageRange page = gallery.Page();
    bitmaps.cells.resize(static_cast<size_t>(page.last - page.first + 1));
    for (int k = page.first; k <= page.last; ++k)
        if (!LoadThumbnail(window, file, k, bitmaps.cells[static_cast<size_t>(k - page.first)])) return false;
    return true;
}

void NextPage(HWND window) { TurnPage(window, 1); }
void PreviousPage(HWND window) { TurnPage(window, -1); }

void PaintBitmapPage(HDC dc) {
    DrawGridLines(dc);
    const GridLayout& g = gallery.layout;
    for (size_t slot = 0; slot < bitmaps.cells.size(); ++slot) {
        const ThumbnailCell& cell = bitmaps.cells[slot];
        if (!cell.picture) continue;
        const int row = static_cast<int>(slot) / g.columns;
        const int column = static_cast<int>(slot) % g.columns;
        const int left = g.Left() + g.pitchX * column;
        const int top = g.Top() + g.pitchY * row;
        BitBlt(dc, left + 97 - cell.size.width / 2, top + 73 - cell.size.height / 2, cell.size.width,
               cell.size.height, cell.picture.Get(), 0, 0, SRCCOPY);
        if (HasScaleLabel(cell.size)) {
            const std::string label = ScaleLabel(cell.size);
            TextOutA(dc, left + 1, top + 1, label.c_str(), static_cast<int>(label.size()));
        }
    }
}

void ReleaseBitmapPage() {
    bitmaps.cells.clear();
    bitmaps.progress.Close();
}
