#include <windows.h>

#include <vector>

#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/message_box.h"
#include "frame/shell.h"
#include "frame/topmost.h"
#include "frame/win32_file_system.h"
#include "gallery/window.h"
#include "imaging/icon_grid_page.h"
#include "mordelix/mordelix_state.h"
#include "texts/gallery_messages.h"
#include "texts/image_messages.h"

namespace {

// Draws the icons of the page shown into the picture, the progress box
// counting them in steps of 10.
void DrawPageIcons(HWND window, ByteSource& file, PagePixels& pixels) {
    icons.progress.Show(window, ProgressMode::Processed, 0);
    ProgressFigure figure;
    const PageRange page = gallery.Page();
    const int32_t columns = gallery.layout.columns;
    for (int32_t k = page.first; k <= page.last; ++k) {
        const int32_t cell = k - page.first;
        DrawIconInCell(file, gallery.table[static_cast<size_t>(k)], cell / columns, cell % columns, icons.mask.color,
                       pixels);
        const int percent = figure.Changed(cell + 1, page.last - page.first + 1);
        if (percent >= 0 && percent < 100) icons.progress.Show(window, ProgressMode::Processed, percent);
    }
    icons.progress.Close();
}

// The page picture written to the temporary file is read back into the
// page's picture block, and the file deleted.
void LoadGridFile(HWND window) {
    HANDLE file = CreateFileA(frame.displayCopyPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ArrowCursor();
        ShowMessage(window, gallery_texts::kPageNotOpened);
    } else {
        ArrowCursor();  // the reader's own messages come with the arrow
        const bool read = ReadDibFile(icons.page, window, file);
        CloseHandle(file);
        if (read) {
            LeaveStartupPicture();
            RepaintImageArea(window);
        } else {
            ShowMessage(window, gallery_texts::kPageNotRead);
        }
    }
    Sleep(50);
    DeleteFileA(frame.displayCopyPath);
}

void TurnPage(HWND window, int step) {
    if (frame.viewMode != 1) return;
    if (!gallery.CanTurn(step)) return;
    FileSource file(gallery.openPath);
    if (!SourceOpened(window, file)) return;
    gallery.pageIndex += step;
    RedrawGridPage(window, file, false);
}

}  // namespace

void ShowFirstPage(HWND window, ByteSource& file) {
    std::vector<uint8_t> picture = BlankPageFile(gallery.layout.columns, gallery.layout.rows);
    PagePixels pixels = PixelsOfPage(picture.data() + 54, picture.size() - 54, gallery.layout.columns,
                                     gallery.layout.rows);
    {
        TopmostScope topmost(window);
        DrawPageIcons(window, file, pixels);
    }
    Win32FileSystem fs;
    if (!WriteWholeFile(fs, frame.displayCopyPath, picture.data(), picture.size())) {
        fs.Remove(frame.displayCopyPath);
        ArrowCursor();
        ShowMessage(window, TemporaryNotMadeMessage(DisplayCopyKind::Icon));
        return;
    }
    LoadGridFile(window);
}

void RedrawGridPage(HWND window, ByteSource& file, bool keepCells) {
    WaitCursor();
    {
        TopmostScope topmost(window);
        if (icons.page.block != nullptr && LockDib(icons.page)) {
            const SIZE_T size = GlobalSize(icons.page.block) - static_cast<SIZE_T>(icons.page.bits - icons.page.base);
            PagePixels pixels = PixelsOfPage(icons.page.bits, size, gallery.layout.columns, gallery.layout.rows);
            if (!keepCells) WhitenCells(pixels);
            DrawPageIcons(window, file, pixels);
            UnlockDib(icons.page);
        }
    }
    ArrowCursor();
    RepaintImageArea(window);
}

void NextPage(HWND window) { TurnPage(window, 1); }
void PreviousPage(HWND window) { TurnPage(window, -1); }

void MaskColorCommand(HWND window) {
    const MaskDialogResult result = ChooseMaskColor(window, kColorCombo, icons.mask);
    if (result == MaskDialogResult::Failed) {
        ShowMessage(window, frame_texts::kMaskColorDialogFailed);
        return;
    }
    if (result != MaskDialogResult::Chosen || frame.viewMode != 1) return;
    FileSource file(gallery.openPath);
    if (SourceOpened(window, file)) RedrawGridPage(window, file, true);
}

void PaintIconPage(HDC dc) {
    if (icons.page.block == nullptr || !LockDib(icons.page)) return;
    const BITMAPINFOHEADER& header = icons.page.info->bmiHeader;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, gallery.layout.Left(), gallery.layout.Top(), header.biWidth, header.biHeight, 0, 0,
                  header.biWidth, header.biHeight, icons.page.bits, icons.page.info, DIB_RGB_COLORS, SRCCOPY);
    UnlockDib(icons.page);
}

void ReleaseIconPage() {
    icons.progress.Close();
    FreeDib(icons.page);
}
