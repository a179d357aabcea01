#include <windows.h>

#include <string>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "scan/image_description.h"
#include "scan/scan_rules.h"
#include "texts/image_messages.h"

BitmapInspector inspector;
PaletteState palette;

void PublishToolView() {
    frame.tool.imagePresent = inspector.imagePresent;
    frame.tool.currentIndex = inspector.currentIndex;
    frame.tool.lastIndex = inspector.lastIndex;
    frame.tool.fileMode = inspector.bmpFileMode;
}

namespace {

// "Bitmap [ 64 x 48 x 256 RLE (3178 Bytes) at 0001A2B0 ]"; no offset for a .bmp file.
std::string TitleLine(const FoundImage& entry, const std::string& words) {
    std::string title = "Bitmap [ " + words;
    if (!inspector.bmpFileMode) title += " at " + HexOffset(entry.headerOffset);
    return title + " ]";
}

// Shows bitmap `index` instead of the current one. P1: when its dimensions
// cannot be read, the index goes back, so that title, picture, editor and
// index always describe the same bitmap.
// Nothing of the file is shown any more (its bitmap could not be loaded): no
// picture, the program's title, no command on the table until Open.
void ShowNothing(HWND window) {
    inspector.imagePresent = false;
    DestroyPaletteEditor(window);
    ShowNoImage(window);
}

void ChangeBitmap(HWND window, int index) {
    if (!MayLeavePaletteChange(window, peltrane_texts::kLeaveForNext)) return;
    WaitCursor();
    const bool written = inspector.bmpFileMode || WriteDisplayCopy(window, index);
    if (written && ReadShownDimensions(window, index)) {
        frame.zoomFactor = 1;
        inspector.currentIndex = index;
        PublishToolView();
        LayoutScrollBars(window);
        if (!LoadShownBitmap(window, index)) ShowNothing(window);
        RefreshPaletteEditor(window);
    }
    ArrowCursor();
}

bool ReadCurrentDimensions(HWND window) { return ReadShownDimensions(window, inspector.currentIndex); }

}  // namespace

bool WriteDisplayCopy(HWND window, int index) {
    FileSource source(inspector.openPath);
    Win32FileSystem fs;
    const DisplayCopyResult result =
        source.IsOpen() ? WriteBitmapFile(source, inspector.table[static_cast<size_t>(index)], fs, frame.displayCopyPath)
                        : DisplayCopyResult::SourceUnreadable;
    if (const Message* message = DisplayCopyMessage(DisplayCopyKind::Bitmap, result)) ShowMessage(window, *message);
    return result == DisplayCopyResult::Written;
}

bool ReadShownDimensions(HWND window, int index) {
    FileSource source(inspector.openPath);
    uint8_t header[12] = {};
    if (!source.IsOpen() ||
        source.ReadAt(inspector.table[static_cast<size_t>(index)].headerOffset, header, sizeof header) !=
            static_cast<int64_t>(sizeof header)) {
        ShowMessage(window, *DisplayCopyMessage(DisplayCopyKind::Bitmap, DisplayCopyResult::SourceUnreadable));
        return false;
    }
    frame.imageWidth = ReadS32(header + 4);
    frame.imageHeight = ReadS32(header + 8);
    return true;
}

void ShowNewBitmap(HWND window) {
    const int index = inspector.currentIndex;
    if ((!inspector.bmpFileMode && !WriteDisplayCopy(window, index)) || !LoadShownBitmap(window, index)) {
        ShowNothing(window);
        return;
    }
    RefreshPaletteEditor(window);
}

bool LoadShownBitmap(HWND window, int index) {
    FreeDib(frame.dib);
    const std::string& source = inspector.bmpFileMode ? inspector.openPath : std::string(frame.displayCopyPath);
    HANDLE file = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(window, peltrane_texts::kDisplaySourceUnreadable, inspector.openPath.c_str());
        return false;
    }
    const bool read = ReadDibFile(frame.dib, window, file);
    CloseHandle(file);
    if (!read) return false;
    RepaintImageArea(window);
    if (LockDib(frame.dib)) {
        const BITMAPINFOHEADER& header = frame.dib.info->bmiHeader;
        frame.imageWidth = header.biWidth;
        frame.imageHeight = header.biHeight;
        // The words of the title, with the loaded header's width and height.
        FoundImage shown = inspector.table[static_cast<size_t>(index)];
        shown.width = header.biWidth;
        shown.height = header.biHeight;
        inspector.shownWords = DescribeBitmap(shown);
        SetWindowTextA(window, TitleLine(shown, inspector.shownWords).c_str());
    }
    UnlockDib(frame.dib);
    return true;
}

void PreviousBitmap(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex <= 0) return;
    ChangeBitmap(window, inspector.currentIndex - 1);
}

void NextBitmap(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex >= inspector.lastIndex) return;
    ChangeBitmap(window, inspector.currentIndex + 1);
}

void ZoomOut(HWND window) {
    if (inspector.HasImage()) StepZoom(window, -1, ReadCurrentDimensions);
}

void ZoomIn(HWND window) {
    if (inspector.HasImage()) StepZoom(window, +1, ReadCurrentDimensions);
}
