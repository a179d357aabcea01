#include <windows.h>

#include <string>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/win32_file_system.h"
#include "inspector/image_view.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "scan/image_description.h"
#include "scan/scan_rules.h"
#include "texts/image_messages.h"

BitmapInspector inspector;
PaletteState palette;

namespace {

// "Bitmap [ 64 x 48 x 256 RLE (3178 Bytes) at 0001A2B0 ]"; no offset for a .bmp file.
std::string TitleLine(const FoundImage& entry, const std::string& words) {
    std::string title = "Bitmap [ " + words;
    if (!inspector.file.fileMode) title += " at " + HexOffset(entry.headerOffset);
    return title + " ]";
}

// The current entry cannot be shown (its bitmap could not be loaded): no
// picture, the program's title, no editor, and only Previous and Next on the
// table, so that the bitmaps after it stay within reach.
void ShowNothing(HWND window) {
    inspector.file.imagePresent = false;
    DestroyPaletteEditor(window);
    ShowNoImage(window);
}

// Shows bitmap `index` instead of the current one. P1: when its dimensions
// cannot be read, the index goes back, so that title, picture, editor and
// index always describe the same bitmap.
void ChangeBitmap(HWND window, int index) {
    if (!MayLeavePaletteChange(window, peltrane_texts::kLeaveForNext)) return;
    WaitCursor();
    const bool written = inspector.file.fileMode || WriteDisplayCopy(window, index);
    if (written && ReadShownDimensions(window, index)) {
        view.zoomFactor = 1;
        inspector.file.currentIndex = index;
        inspector.file.imagePresent = true;  // the current entry may have been one not shown
        inspector.file.Publish();
        LayoutScrollBars(window);
        if (!LoadShownBitmap(window, index)) ShowNothing(window);
        RefreshPaletteEditor(window);
    }
    ArrowCursor();
}

}  // namespace

bool WriteDisplayCopy(HWND window, int index) {
    FileSource source(inspector.file.openPath);
    Win32FileSystem fs;
    const DisplayCopyResult result =
        source.IsOpen() ? WriteBitmapFile(source, inspector.file.table[static_cast<size_t>(index)], fs, frame.displayCopyPath)
                        : DisplayCopyResult::SourceUnreadable;
    if (const Message* message = DisplayCopyMessage(DisplayCopyKind::Bitmap, result)) ShowMessage(window, *message);
    return result == DisplayCopyResult::Written;
}

bool ReadShownDimensions(HWND window, int index) {
    FileSource source(inspector.file.openPath);
    uint8_t header[12] = {};
    if (!source.IsOpen() ||
        source.ReadAt(inspector.file.table[static_cast<size_t>(index)].headerOffset, header, sizeof header) !=
            static_cast<int64_t>(sizeof header)) {
        ShowMessage(window, TargetUnreadableMessage());
        return false;
    }
    view.imageWidth = ReadS32(header + 4);
    view.imageHeight = ReadS32(header + 8);
    return true;
}

void ShowNewBitmap(HWND window) {
    const int index = inspector.file.currentIndex;
    if ((!inspector.file.fileMode && !WriteDisplayCopy(window, index)) || !LoadShownBitmap(window, index)) {
        ShowNothing(window);
        return;
    }
    RefreshPaletteEditor(window);
}

bool LoadShownBitmap(HWND window, int index) {
    const std::string& source = inspector.file.fileMode ? inspector.file.openPath : std::string(frame.displayCopyPath);
    if (!LoadShownDib(window, source.c_str(), inspector.file.openPath.c_str())) return false;
    if (LockDib(view.dib)) {
        const BITMAPINFOHEADER& header = view.dib.info->bmiHeader;
        view.imageWidth = header.biWidth;
        view.imageHeight = header.biHeight;
        // The words of the title, with the loaded header's width and height.
        FoundImage shown = inspector.file.table[static_cast<size_t>(index)];
        shown.width = header.biWidth;
        shown.height = header.biHeight;
        inspector.shownWords = DescribeBitmap(shown);
        SetWindowTextA(window, TitleLine(shown, inspector.shownWords).c_str());
    }
    UnlockDib(view.dib);
    return true;
}

void PreviousBitmap(HWND window) {
    if (!inspector.file.HasPrevious()) return;
    ChangeBitmap(window, inspector.file.currentIndex - 1);
}

void NextBitmap(HWND window) {
    if (!inspector.file.HasNext()) return;
    ChangeBitmap(window, inspector.file.currentIndex + 1);
}

bool ReadCurrentDimensions(HWND window) { return ReadShownDimensions(window, inspector.file.currentIndex); }
