#include <windows.h>

#include <string>

#include "fileops/display_copy_file.h"
#include "fileops/file_system.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "inspector/image_view.h"
#include "scan/image_description.h"
#include "scan/scan_rules.h"
#include "texts/image_messages.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"

IconInspector inspector;

namespace {

std::string TitleLine(const FoundImage& entry) {
    std::string title = "Icon [ " + DescribeIcon(entry);
    if (!inspector.file.fileMode) title += " at " + HexOffset(entry.headerOffset);
    return title + " ]";
}

// The current entry cannot be shown: no picture, the program's title, and
// only Previous and Next on the table.
void ShowNothing(HWND window) {
    inspector.file.imagePresent = false;
    ShowNoImage(window);
}

// Shows entry `index` in place of the current one (at zoom 1 when
// `resetZoom`). When the display copy cannot be made, the current icon stays
// with its title, index and zoom, so that the three always describe the same
// image; when the icon's own bytes cannot be drawn, the entry becomes the
// current one without a picture, and the icons after it stay within reach.
bool ShowEntry(HWND window, int index, bool resetZoom) {
    WaitCursor();
    IconRendering rendering = RenderIcon(window, index);
    if (rendering == IconRendering::Rendered && !ReadIconSize(window, index)) rendering = IconRendering::Failed;
    if (rendering != IconRendering::Failed) {
        if (resetZoom) view.zoomFactor = 1;
        inspector.file.currentIndex = index;
        inspector.file.imagePresent = true;  // the current entry may have been one not shown
        inspector.file.Publish();
        LayoutScrollBars(window);
        if (rendering == IconRendering::Unrenderable || !ShowIcon(window, index)) ShowNothing(window);
    }
    ArrowCursor();
    return rendering == IconRendering::Rendered;
}

}  // namespace

IconRendering RenderIcon(HWND window, int index) {
    FileSource source(inspector.file.openPath);
    StdFileSystem fs;
    int64_t icoFileSize = 0;
    const DisplayCopyResult result =
        source.IsOpen() ? WriteIconDisplayCopy(source, inspector.file.table[static_cast<size_t>(index)],
                                               inspector.maskColor, fs, frame.displayCopyPath, icoFileSize)
                        : DisplayCopyResult::SourceUnreadable;
    if (const Message* message = DisplayCopyMessage(DisplayCopyKind::Icon, result)) ShowMessage(window, *message);
    if (result == DisplayCopyResult::Written) {
        inspector.icoFileSize = icoFileSize;
        return IconRendering::Rendered;
    }
    // The file reads, but this icon's bytes draw no picture.
    return source.IsOpen() && result == DisplayCopyResult::SourceUnreadable ? IconRendering::Unrenderable
                                                                            : IconRendering::Failed;
}

bool ReadIconSize(HWND window, int index) {
    FileSource source(inspector.file.openPath);
    if (!source.IsOpen()) {
        ShowMessage(window, TargetUnreadableMessage());
        return false;
    }
    const FoundImage& entry = inspector.file.table[static_cast<size_t>(index)];
    if (entry.format == ImageFormat::Png) {  // its size is in the PNG's own header, read by the search
        view.imageWidth = entry.width;
        view.imageHeight = entry.height / 2;
        return true;
    }
    uint8_t header[12] = {};
    source.ReadAt(entry.headerOffset, header, sizeof header);
    view.imageWidth = static_cast<int>(ReadS32(header + 4));
    view.imageHeight = static_cast<int>(ReadS32(header + 8) / 2);
    return true;
}

bool ShowIcon(HWND window, int index) {
    if (!LoadShownDib(window, frame.displayCopyPath, inspector.file.openPath.c_str())) return false;
    if (LockDib(view.dib)) {
        view.imageWidth = view.dib.info->bmiHeader.biWidth;
        view.imageHeight = view.dib.info->bmiHeader.biHeight;
        const FoundImage& entry = inspector.file.table[static_cast<size_t>(index)];
        inspector.replaceableInfo = DescribeIcon(entry);
        SetWindowTextA(window, TitleLine(entry).c_str());
    }
    UnlockDib(view.dib);
    return true;
}

void ShowCurrentIconAgain(HWND window) { ShowEntry(window, inspector.file.currentIndex, false); }

void ShowNewIcon(HWND window) {
    // The icon shown before belongs to another table or is no longer in the
    // file: never leave it on screen under this entry's title.
    if (!ShowEntry(window, inspector.file.currentIndex, false)) ShowNothing(window);
}

void PreviousIcon(HWND window) {
    if (!inspector.file.HasPrevious()) return;
    ShowEntry(window, inspector.file.currentIndex - 1, true);
}

void NextIcon(HWND window) {
    if (!inspector.file.HasNext()) return;
    ShowEntry(window, inspector.file.currentIndex + 1, true);
}

bool ReadCurrentSize(HWND window) { return ReadIconSize(window, inspector.file.currentIndex); }
