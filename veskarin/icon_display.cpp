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

void ChangeIcon(HWND window) {
    WaitCursor();
    RenderIcon(window, inspector.currentIndex);
    if (ReadIconSize(window, inspector.currentIndex)) {
        LayoutScrollBars(window);
        ShowIcon(window, inspector.currentIndex);
    }
    ArrowCursor();
}

void ChangeZoom(HWND window) {
    WaitCursor();
    if (ReadIconSize(window, inspector.currentIndex)) {
        LayoutScrollBars(window);
        RepaintImageArea(window);
    }
    ArrowCursor();
}

}  // namespace

void RenderIcon(HWND window, int index) {
    FileSource source(inspector.openPath);
    if (!source.IsOpen()) {
        ShowMessage(window, veskarin_texts::kSourceUnreadable);
        return;
    }
    StdFileSystem fs;
    int64_t icoFileSize = 0;
    const DisplayCopyResult result =
        WriteIconDisplayCopy(source, inspector.table[static_cast<size_t>(index)], inspector.maskColor, fs,
                             frame.displayCopyPath, icoFileSize);
    if (result == DisplayCopyResult::SourceUnreadable) ShowMessage(window, veskarin_texts::kSourceUnreadable);
    if (result == DisplayCopyResult::NotWritten) ShowMessage(window, veskarin_texts::kTemporaryNotWritten);
    if (result == DisplayCopyResult::Written) inspector.icoFileSize = icoFileSize;
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

void ShowIcon(HWND window, int index) {
    FreeDib(frame.dib);
    HANDLE file = CreateFileA(frame.displayCopyPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(window, veskarin_texts::kDisplayCopyUnreadable, inspector.openPath.c_str());
        return;
    }
    const bool read = ReadDibFile(frame.dib, window, file);
    CloseHandle(file);
    if (!read) return;
    RepaintImageArea(window);
    if (LockDib(frame.dib)) {
        frame.imageWidth = frame.dib.info->bmiHeader.biWidth;
        frame.imageHeight = frame.dib.info->bmiHeader.biHeight;
        const FoundImage& entry = inspector.table[static_cast<size_t>(index)];
        inspector.replaceableInfo = DescribeIcon(entry);
        SetWindowTextA(window, TitleLine(entry).c_str());
    }
    UnlockDib(frame.dib);
}

void ShowCurrentIconAgain(HWND window) { ChangeIcon(window); }

void PreviousIcon(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex <= 0) return;
    frame.zoomFactor = 1;
    --inspector.currentIndex;
    PublishToolView();
    ChangeIcon(window);
}

void NextIcon(HWND window) {
    if (!inspector.HasImage() || inspector.currentIndex >= inspector.lastIndex) return;
    frame.zoomFactor = 1;
    ++inspector.currentIndex;
    PublishToolView();
    ChangeIcon(window);
}

void ZoomOut(HWND window) {
    if (!inspector.HasImage() || frame.zoomFactor < 2) return;
    --frame.zoomFactor;
    ChangeZoom(window);
}

void ZoomIn(HWND window) {
    if (!inspector.HasImage() || frame.zoomFactor > kMaxZoom - 1) return;
    ++frame.zoomFactor;
    ChangeZoom(window);
}

