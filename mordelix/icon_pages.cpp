#include <windows.h>

#include <vector>

#include "fileops/file_system.h"
#include "frame/win32_file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/gallery_window.h"
#include "frame/message_box.h"
#include "frame/topmost.h"
#include "imaging/icon_grid_page.h"
#include "mordelix/mordelix_state.h"
#include "texts/gallery_messages.h"

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
// frame's picture block, and the file deleted.
void LoadGridFile(HWND window) {
    HANDLE file = CreateFileA(frame.displayCopyPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ArrowCursor();
        ShowMessage(window, gallery_texts::kPageNotOpened);
    } else {
        ArrowCursor();  // the reader's own messages come with the arrow
        const bool read = ReadDibFile(frame.dib, window, file);
        CloseHandle(file);
        if (read) {
            LeaveStartupPicture();
            RepaintGrid(window);
        } else {
            ShowMessage(window, gallery_texts::kPageNotRead);
        }
    }
    Sleep(50);
    DeleteFileA(frame.displayCopyPath);
}

// Opens the file of the table for a page command; false after the message.
bool OpenTableFile(HWND window, FileSource& file) {
    if (file.IsOpen()) return true;
    ShowMessage(window, gallery_texts::kSourceUnreadable);
    return false;
}

void TurnPage(HWND window, int step) {
    if (frame.viewMode != 1) return;
    const bool can = step > 0 ? HasNextPage(gallery.layout, gallery.pageIndex, gallery.LastIndex()) : gallery.pageIndex > 0;
    if (!can) return;
    FileSource file(gallery.openPath);
    if (!OpenTableFile(window, file)) return;
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
        ShowMessage(window, gallery_texts::kIconPageNotMade);
        return;
    }
    LoadGridFile(window);
}

void RedrawGridPage(HWND window, ByteSource& file, bool keepCells) {
    WaitCursor();
    {
        TopmostScope topmost(window);
        if (frame.dib.block != nullptr && LockDib(frame.dib)) {
            const SIZE_T size = GlobalSize(frame.dib.block) - static_cast<SIZE_T>(frame.dib.bits - frame.dib.base);
            PagePixels pixels = PixelsOfPage(frame.dib.bits, size, gallery.layout.columns, gallery.layout.rows);
            if (!keepCells) WhitenCells(pixels);
            DrawPageIcons(window, file, pixels);
            UnlockDib(frame.dib);
        }
    }
    ArrowCursor();
    RepaintGrid(window);
}

void NextPage(HWND window) { TurnPage(window, 1); }
void PreviousPage(HWND window) { TurnPage(window, -1); }

void MaskColorCommand(HWND window) {
    const MaskDialogResult result = ChooseMaskColor(window, kColorCombo, icons.mask);
    if (result == MaskDialogResult::Failed) {
        ShowMessage(window, gallery_texts::kColorDialogFailed);
        return;
    }
    if (result != MaskDialogResult::Chosen || frame.viewMode != 1) return;
    FileSource file(gallery.openPath);
    if (OpenTableFile(window, file)) RedrawGridPage(window, file, true);
}

void PaintIconPage(HDC dc) {
    if (frame.dib.block == nullptr || !LockDib(frame.dib)) return;
    const BITMAPINFOHEADER& header = frame.dib.info->bmiHeader;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, gallery.layout.Left(), gallery.layout.Top(), header.biWidth, header.biHeight, 0, 0,
                  header.biWidth, header.biHeight, frame.dib.bits, frame.dib.info, DIB_RGB_COLORS, SRCCOPY);
    UnlockDib(frame.dib);
}

void ReleaseIconPage() { icons.progress.Close(); }
