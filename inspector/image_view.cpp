#include "inspector/image_view.h"

#include <initializer_list>

#include "frame/button_bar.h"
#include "frame/clipboard.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/shell.h"
#include "inspector/texts.h"

namespace {

void PaintStartupPicture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int x = client.right >= kStartupWidth ? (client.right - kStartupWidth) / 2 : 0;
    const int y = client.bottom >= kStartupHeight + kBarRows ? (client.bottom - kStartupHeight - kBarRows) / 2 + kBarRows
                                                              : kBarRows;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BitBlt(dc, x, y, kStartupWidth, kStartupHeight, view.startupDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void PaintImage(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (view.dib.block != nullptr && LockDib(view.dib)) {
        const BITMAPINFOHEADER& header = view.dib.info->bmiHeader;
        const int zoom = view.zoomFactor;
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, -view.hScrollPos * zoom, kBarRows - view.vScrollPos * zoom, header.biWidth * zoom,
                      header.biHeight * zoom, 0, 0, header.biWidth, header.biHeight, view.dib.bits, view.dib.info,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    if (view.dib.block != nullptr) UnlockDib(view.dib);
    EndPaint(window, &paint);
}

void UpdateCommandButtons() {
    const ToolView& tool = view.tool;
    const int zoom = view.zoomFactor;
    EnableBarButton("Prev", tool.currentIndex != 0);
    EnableBarButton("Next", tool.currentIndex != tool.lastIndex);
    EnableBarButton("ZmOut", zoom != 1);
    EnableBarButton("ZmIn", zoom != kMaxZoom && (zoom + 1) * view.imageWidth < frame.screenWidth &&
                                (zoom + 1) * view.imageHeight < frame.screenHeight);
    EnableBarButton("SaveAs", !tool.fileMode);
    EnableBarButton("Replc", !tool.fileMode);
    const ProgramHooks* hooks = frame.program->hooks;
    if (hooks != nullptr && hooks->updateOwnButtons != nullptr) hooks->updateOwnButtons();
}

// The label of a navigation or zoom button just pressed goes back on top of
// the new picture.
void RestoreNavigationLabel(HWND window) {
    const int first = frame.program->firstNavigationHover;
    for (int number = first; number < first + 4; ++number) {
        if (frame.hoverButton != number) continue;
        HideHoverLabel(window);
        frame.hoverButton = number;
        RedrawCommandLabel(window);
    }
}

void MoveBar(HWND bar, int x, int y, int width, int height) { MoveWindow(bar, x, y, width, height, FALSE); }

// The bar's range 0..maximum; a kept position beyond its end comes back to
// the end (the picture is drawn where the bar says).
void SetRange(HWND bar, int maximum, int& position, int& last) {
    if (position > maximum) position = last = maximum > 0 ? maximum : 0;
    SetScrollRange(bar, SB_CTL, 0, maximum, FALSE);
    SetScrollPos(bar, SB_CTL, position, TRUE);
}

}  // namespace

void PaintView(HWND window) {
    if (frame.viewMode == 0) {
        PaintStartupPicture(window);
        return;
    }
    PaintImage(window);
    if (view.tool.imagePresent) UpdateCommandButtons();
    RestoreNavigationLabel(window);
}

void LayoutScrollBars(HWND window) {
    if (view.sizeGrip != nullptr) {
        DestroyWindow(view.sizeGrip);
        view.sizeGrip = nullptr;
    }
    ShowWindow(view.hScrollBar, SW_HIDE);
    ShowWindow(view.vScrollBar, SW_HIDE);
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    const int z = view.zoomFactor;
    const int cyH = view.hScrollHeight, cxV = view.vScrollWidth;
    const long long imageW = static_cast<long long>(z) * view.imageWidth;
    const long long imageH = static_cast<long long>(z) * view.imageHeight + kBarRows;
    const bool wide = imageW > w;
    const bool tall = imageH > h;

    if (wide && tall) {
        MoveBar(view.hScrollBar, 0, h - cyH, w - cxV, cyH);
        MoveBar(view.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        view.hBarShown = view.vBarShown = true;
        SetRange(view.hScrollBar, static_cast<int>((imageW - w + cxV) / z), view.hScrollPos, view.lastHScrollPos);
        SetRange(view.vScrollBar, static_cast<int>((imageH - h + cyH) / z), view.vScrollPos, view.lastVScrollPos);
        ShowWindow(view.hScrollBar, SW_SHOW);
        ShowWindow(view.vScrollBar, SW_SHOW);
        view.sizeGrip = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_VERT, w - cxV,
                                         h - cyH, cxV, cyH, window, nullptr, frame.instance, nullptr);
        ShowWindow(view.sizeGrip, SW_SHOW);
    } else if (tall) {
        MoveBar(view.hScrollBar, 0, h - cyH, w - cxV, cyH);
        MoveBar(view.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows);
        view.hBarShown = false;
        view.vBarShown = true;
        view.lastHScrollPos = view.hScrollPos = 0;
        SetRange(view.hScrollBar, 0, view.hScrollPos, view.lastHScrollPos);
        SetRange(view.vScrollBar, static_cast<int>((imageH - h) / z), view.vScrollPos, view.lastVScrollPos);
        ShowWindow(view.vScrollBar, SW_SHOW);
    } else if (wide) {
        MoveBar(view.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        MoveBar(view.hScrollBar, 0, h - cyH, w, cyH);
        view.hBarShown = true;
        view.vBarShown = false;
        SetRange(view.hScrollBar, static_cast<int>((imageW - w) / z), view.hScrollPos, view.lastHScrollPos);
        view.lastVScrollPos = view.vScrollPos = 0;
        SetRange(view.vScrollBar, 0, view.vScrollPos, view.lastVScrollPos);
        ShowWindow(view.hScrollBar, SW_SHOW);
    } else {
        MoveBar(view.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        MoveBar(view.hScrollBar, 0, h - cyH, w - cxV, cyH);
        view.hBarShown = view.vBarShown = false;
        view.hScrollPos = view.vScrollPos = view.lastHScrollPos = view.lastVScrollPos = 0;
        SetRange(view.hScrollBar, 0, view.hScrollPos, view.lastHScrollPos);
        SetRange(view.vScrollBar, 0, view.vScrollPos, view.lastVScrollPos);
    }
}

void ScrollView(HWND window, WPARAM wParam, bool horizontal) {
    int& position = horizontal ? view.hScrollPos : view.vScrollPos;
    int& last = horizontal ? view.lastHScrollPos : view.lastVScrollPos;
    switch (LOWORD(wParam)) {
        case SB_LINEUP: position -= 1; break;
        case SB_LINEDOWN: position += 1; break;
        case SB_PAGEUP: position -= 10; break;
        case SB_PAGEDOWN: position += 10; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: position = HIWORD(wParam); break;
        default: break;
    }
    RECT client;
    GetClientRect(window, &client);
    const int z = view.zoomFactor;
    const long long maximum =
        horizontal ? (static_cast<long long>(z) * view.imageWidth + view.vBarShown * view.vScrollWidth - client.right) / z
                   : (static_cast<long long>(z) * view.imageHeight + view.hBarShown * view.hScrollHeight -
                      client.bottom + kBarRows) / z;
    if (position < 0) position = 0;
    if (position > maximum) position = maximum < 0 ? 0 : static_cast<int>(maximum);
    if (position == last) return;
    RECT area{0, kBarRows, client.right - view.vBarShown * view.vScrollWidth,
              client.bottom - view.hBarShown * view.hScrollHeight};
    InvalidateRect(window, &area, FALSE);
    UpdateWindow(window);
    SetScrollPos(horizontal ? view.hScrollBar : view.vScrollBar, SB_CTL, position, TRUE);
    last = position;
}

void EnforceMinimumSize(HWND window) {
    if (IsIconic(window)) return;
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    const int minimumHeight = (2 * view.vBarShown + view.hBarShown) * view.hScrollHeight + view.minHeightBase;
    bool raised = false;
    if (width < frame.windowWidth) width = frame.windowWidth, raised = true;
    if (height < minimumHeight) height = minimumHeight, raised = true;
    if (!raised) return;
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    EndDeferWindowPos(defer);
}

void CreateScrollBars(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    const int cyH = view.hScrollHeight, cxV = view.vScrollWidth;
    view.hScrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, h - cyH, w - cxV, cyH,
                                       window, nullptr, frame.instance, nullptr);
    view.vScrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, w - cxV, kBarRows, cxV,
                                       h - cyH - kBarRows, window, nullptr, frame.instance, nullptr);
    ShowWindow(view.hScrollBar, SW_HIDE);
    ShowWindow(view.vScrollBar, SW_HIDE);
    view.hBarShown = view.vBarShown = false;
}

void ResetScrollBars(HWND) {
    if (view.sizeGrip != nullptr) {
        DestroyWindow(view.sizeGrip);
        view.sizeGrip = nullptr;
    }
    ShowWindow(view.hScrollBar, SW_HIDE);
    ShowWindow(view.vScrollBar, SW_HIDE);
    SetScrollPos(view.hScrollBar, SB_CTL, 0, FALSE);
    SetScrollPos(view.vScrollBar, SB_CTL, 0, FALSE);
    view.hScrollPos = view.vScrollPos = view.lastHScrollPos = view.lastVScrollPos = 0;
    view.hBarShown = view.vBarShown = false;
}

void EnterImageMode(HWND window) {
    if (frame.viewMode != 0) return;
    SelectObject(view.startupDC, view.startupOldBitmap);
    DeleteDC(view.startupDC);
    DeleteObject(view.startupBitmap);
    view.startupDC = nullptr;
    view.startupBitmap = nullptr;
    frame.viewMode = 1;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void DisableImageButtons() {
    for (const char* base : {"Prev", "Next", "ZmOut", "ZmIn", "SaveAs", "Replc", "PlMode"}) EnableBarButton(base, false);
}

void StepZoom(HWND window, const OpenedFile& file, int step, bool (*readSize)(HWND window)) {
    if (!file.HasImage()) return;
    const int zoom = view.zoomFactor + step;
    if (zoom < 1 || zoom > kMaxZoom) return;
    view.zoomFactor = zoom;
    WaitCursor();
    if (readSize(window)) {
        LayoutScrollBars(window);
        RepaintImageArea(window);
    }
    ArrowCursor();
}

void ShowNoImage(HWND window) {
    FreeDib(view.dib);
    const ToolView& tool = view.tool;
    view.tool.imagePresent = false;
    DisableImageButtons();
    if (tool.currentIndex >= 0) {
        EnableBarButton("Prev", tool.currentIndex > 0);
        EnableBarButton("Next", tool.currentIndex < tool.lastIndex);
    }
    view.imageWidth = view.imageHeight = 0;
    ResetScrollBars(window);
    SetWindowTextA(window, DisplayName());
    RepaintImageArea(window);
}

bool LoadShownDib(HWND window, const char* path, const char* openPath) {
    FreeDib(view.dib);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(window, inspector_texts::kShownFileUnreadable, openPath);
        return false;
    }
    const bool read = ReadDibFile(view.dib, window, file);
    CloseHandle(file);
    if (!read) return false;
    RepaintImageArea(window);
    return true;
}

bool ImageShown() { return frame.viewMode == 1 && view.dib.block != nullptr; }

void CopyShownImage(HWND window) {
    if (!ImageShown()) return;
    if (LockDib(view.dib)) PutDibOnClipboard(window, view.dib.info, view.dib.bits);
    UnlockDib(view.dib);
}
