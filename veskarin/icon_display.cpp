#include <windows.h>

#include <string>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/frame_state.h"
#include "frame/image_view.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "frame/cursor.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/veskarin_texts.h"
#include "scan/image_description.h"
#include "scan/scan_rules.h"

IconInspector inspector;

void PublishToolView() {
    frame.tool.imagePresent = inspector.imagePresent;
    frame.tool.currentIndex = inspector.currentIndex;
    frame.tool.lastIndex = inspector.lastIndex;
    frame.tool.fileMode = inspector.icoFileMode;
}

namespace {

std::string TitleLine(const FoundImage& entry) {
    std::string title = "Icon [ " + DescribeIcon(entry);
    if (!inspector.icoFileMode) title += " at " + HexOffset(entry.headerOffset);
    return title + " ]";
}

// Nothing of the file is shown any more (its icon could not be shown again):
// no picture, the program's title, and no command on the table until Open.
void ShowNothing(HWND window) {
    inspector.imagePresent = false;
    ShowNoImage(window);
}

// Shows entry `index` in place of the current one (at zoom 1 when
// `resetZoom`). When it cannot be rendered, the current icon stays with its
// title, index and zoom, so that the three always describe the same image.
bool ShowEntry(HWND window, int index, bool resetZoom) {
    WaitCursor();
    const bool rendered = RenderIcon(window, index) && ReadIconSize(window, index);
    if (rendered) {
        if (resetZoom) frame.zoomFactor = 1;
        inspector.currentIndex = index;
        PublishToolView();
        LayoutScrollBars(window);
        if (!ShowIcon(window, index)) ShowNothing(window);
    }
    ArrowCursor();
    return rendered;
}

bool ReadCurrentSize(HWND window) { return ReadIconSize(window, inspector.currentIndex); }

}  // namespace

bool RenderIcon(HWND window, int index) {
    FileSource source(inspector.openPath);
    if (!source.IsOpen()) {
        ShowMessage(window, veskarin_texts::kSourceUnreadable);
        return false;
    }
    StdFileSystem fs;
    int64_t icoFileSize = 0;
    const DisplayCopyResult result =
        WriteIconDisplayCopy(source, inspector.table[static_cast<size_t>(index)], inspector.maskColor, fs,
                             frame.displayCopyPath, icoFileSize);
    if (result == DisplayCopyResult::SourceUnreadable) ShowMessage(window, veskarin_texts::kSourceUnreadable);
    if (result == DisplayCopyResult::NotWritten) ShowMessage(window, veskarin_texts::kTemporaryNotWritten);
    if (result == DisplayCopyResult::Written) inspector.icoFileSize = icoFileSize;
    return result == DisplayCopyResult::Written;
}

bool ReadIconSize(HWND window, int index) {
    FileSource source(inspector.openPath);
    if (!source.IsOpen()) {
        ShowMessage(window, veskarin_texts::kTargetUnreadable);
        return false;
    }
    uint8_t header[12] = {};
    source.ReadAt(inspector.table[static_cast<size_t>(index)].headerOffset, header, sizeof header);
    frame.imageWidth = static_cast<int>(ReadS32(header + 4));
    frame.imageHeight = static_cast<int>(ReadS32(header + 8) / 2);
    return true;
}

bool ShowIcon(HWND window, int index) {
    FreeDib(frame.dib);
    HANDLE file = CreateFileA(frame.displayCopyPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(window, veskarin_texts::kDisplayCopyUnreadable, inspector.openPath.c_str());
        return false;
    }
    const bool read = ReadDibFile(frame.dib, window, file);
    CloseHandle(file);
    if (!read) return false;
    RepaintImageArea(window);
    if (LockDib(frame.dib)) {
        frame.imageWidth = frame.dib.info->bmiHeader.biWidth;
        frame.imageHeight = frame.dib.info->bmiHeader.biHeight;
        const FoundImage& entry = inspector.table[static_cast<size_t>(index)];
        inspector.replaceableInfo = DescribeIcon(entry);
        SetWindowTextA(window, TitleLine(entry).c_str());
    }
    UnlockDib(frame.dib);
    return true;
}

void ShowCurrentIconAgain(HWND window) { ShowEntry(window, inspector.currentIndex, false); }

void ShowNewIcon(HWND window) {
    // The icon shown before belongs to another table or is no longer in the
    // file: never leave it on screen under this entry's title.
    if (!ShowEntry(window, inspector.currentIndex, false)) ShowNothing(window);
}

void PreviousIcon(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex <= 0) return;
    ShowEntry(window, inspector.currentIndex - 1, true);
}

void NextIcon(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex >= inspector.lastIndex) return;
    ShowEntry(window, inspector.currentIndex + 1, true);
}

void ZoomOut(HWND window) {
    if (inspector.HasImage()) StepZoom(window, -1, ReadCurrentSize);
}

void ZoomIn(HWND window) {
    if (inspector.HasImage()) StepZoom(window, +1, ReadCurrentSize);
}
