#include "frame/image_view.h"

#include <initializer_list>

#include "frame/button_bar.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/message_box.h"

namespace {

void PaintStartupPicture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const int x = client.right >= kStartupWidth ? (client.right - kStartupWidth) / 2 : 0;
    const int y = client.bottom >= kStartupHeight + kBarRows ? (client.bottom - kStartupHeight - kBarRows) / 2 + kBarRows
                                                              : kBarRows;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BitBlt(dc, x, y, kStartupWidth, kStartupHeight, frame.startupDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
}

void PaintImage(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (frame.dib.block != nullptr && LockDib(frame.dib)) {
        const BITMAPINFOHEADER& header = frame.dib.info->bmiHeader;
        const int zoom = frame.zoomFactor;
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, -frame.hScrollPos * zoom, kBarRows - frame.vScrollPos * zoom, header.biWidth * zoom,
                      header.biHeight * zoom, 0, 0, header.biWidth, header.biHeight, frame.dib.bits, frame.dib.info,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    if (frame.dib.block != nullptr) UnlockDib(frame.dib);
    EndPaint(window, &paint);
}

void UpdateCommandButtons() {
    const ToolView& tool = frame.tool;
    const int zoom = frame.zoomFactor;
    EnableBarButton("Prev", tool.currentIndex != 0);
    EnableBarButton("Next", tool.currentIndex != tool.lastIndex);
    EnableBarButton("ZmOut", zoom != 1);
    EnableBarButton("ZmIn", zoom != kMaxZoom && (zoom + 1) * frame.imageWidth < frame.screenWidth &&
                                (zoom + 1) * frame.imageHeight < frame.screenHeight);
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
    if (frame.tool.imagePresent) UpdateCommandButtons();
    RestoreNavigationLabel(window);
}

void LayoutScrollBars(HWND window) {
    if (frame.sizeGrip != nullptr) {
        DestroyWindow(frame.sizeGrip);
        frame.sizeGrip = nullptr;
    }
    ShowWindow(frame.hScrollBar, SW_HIDE);
    ShowWindow(frame.vScrollBar, SW_HIDE);
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    const int z = frame.zoomFactor;
    const int cyH = frame.hScrollHeight, cxV = frame.vScrollWidth;
    const long long imageW = static_cast<long long>(z) * frame.imageWidth;
    const long long imageH = static_cast<long long>(z) * frame.imageHeight + kBarRows;
    const bool wide = imageW > w;
    const bool tall = imageH > h;

    if (wide && tall) {
        MoveBar(frame.hScrollBar, 0, h - cyH, w - cxV, cyH);
        MoveBar(frame.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        frame.hBarShown = frame.vBarShown = true;
        SetRange(frame.hScrollBar, static_cast<int>((imageW - w + cxV) / z), frame.hScrollPos, frame.lastHScrollPos);
        SetRange(frame.vScrollBar, static_cast<int>((imageH - h + cyH) / z), frame.vScrollPos, frame.lastVScrollPos);
        ShowWindow(frame.hScrollBar, SW_SHOW);
        ShowWindow(frame.vScrollBar, SW_SHOW);
        frame.sizeGrip = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_VERT, w - cxV,
                                         h - cyH, cxV, cyH, window, nullptr, frame.instance, nullptr);
        ShowWindow(frame.sizeGrip, SW_SHOW);
    } else if (tall) {
        MoveBar(frame.hScrollBar, 0, h - cyH, w - cxV, cyH);
        MoveBar(frame.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows);
        frame.hBarShown = false;
        frame.vBarShown = true;
        frame.lastHScrollPos = frame.hScrollPos = 0;
        SetRange(frame.hScrollBar, 0, frame.hScrollPos, frame.lastHScrollPos);
        SetRange(frame.vScrollBar, static_cast<int>((imageH - h) / z), frame.vScrollPos, frame.lastVScrollPos);
        ShowWindow(frame.vScrollBar, SW_SHOW);
    } else if (wide) {
        MoveBar(frame.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        MoveBar(frame.hScrollBar, 0, h - cyH, w, cyH);
        frame.hBarShown = true;
        frame.vBarShown = false;
        SetRange(frame.hScrollBar, static_cast<int>((imageW - w) / z), frame.hScrollPos, frame.lastHScrollPos);
        frame.lastVScrollPos = frame.vScrollPos = 0;
        SetRange(frame.vScrollBar, 0, frame.vScrollPos, frame.lastVScrollPos);
        ShowWindow(frame.hScrollBar, SW_SHOW);
    } else {
        MoveBar(frame.vScrollBar, w - cxV, kBarRows, cxV, h - kBarRows - cyH);
        MoveBar(frame.hScrollBar, 0, h - cyH, w - cxV, cyH);
        frame.hBarShown = frame.vBarShown = false;
        frame.hScrollPos = frame.vScrollPos = frame.lastHScrollPos = frame.lastVScrollPos = 0;
        SetRange(frame.hScrollBar, 0, frame.hScrollPos, frame.lastHScrollPos);
        SetRange(frame.vScrollBar, 0, frame.vScrollPos, frame.lastVScrollPos);
    }
}

void ScrollView(HWND window, WPARAM wParam, bool horizontal) {
    int& position = horizontal ? frame.hScrollPos : frame.vScrollPos;
    int& last = horizontal ? frame.lastHScrollPos : frame.lastVScrollPos;
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
    const int z = frame.zoomFactor;
    const long long maximum =
        horizontal ? (static_cast<long long>(z) * frame.imageWidth + frame.vBarShown * frame.vScrollWidth - client.right) / z
                   : (static_cast<long long>(z) * frame.imageHeight + frame.hBarShown * frame.hScrollHeight -
                      client.bottom + kBarRows) / z;
    if (position < 0) position = 0;
    if (position > maximum) position = maximum < 0 ? 0 : static_cast<int>(maximum);
    if (position == last) return;
    RECT area{0, kBarRows, client.right - frame.vBarShown * frame.vScrollWidth,
              client.bottom - frame.hBarShown * frame.hScrollHeight};
    InvalidateRect(window, &area, FALSE);
    UpdateWindow(window);
    SetScrollPos(horizontal ? frame.hScrollBar : frame.vScrollBar, SB_CTL, position, TRUE);
    last = position;
}

void EnforceMinimumSize(HWND window) {
    if (IsIconic(window)) return;
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    const int minimumHeight = (2 * frame.vBarShown + frame.hBarShown) * frame.hScrollHeight + frame.minHeightBase;
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
    const int cyH = frame.hScrollHeight, cxV = frame.vScrollWidth;
    frame.hScrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, h - cyH, w - cxV, cyH,
                                       window, nullptr, frame.instance, nullptr);
    frame.vScrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, w - cxV, kBarRows, cxV,
                                       h - cyH - kBarRows, window, nullptr, frame.instance, nullptr);
    ShowWindow(frame.hScrollBar, SW_HIDE);
    ShowWindow(frame.vScrollBar, SW_HIDE);
    frame.hBarShown = frame.vBarShown = false;
}

void ResetScrollBars(HWND) {
    if (frame.sizeGrip != nullptr) {
        DestroyWindow(frame.sizeGrip);
        frame.sizeGrip = nullptr;
    }
    ShowWindow(frame.hScrollBar, SW_HIDE);
    ShowWindow(frame.vScrollBar, SW_HIDE);
    SetScrollPos(frame.hScrollBar, SB_CTL, 0, FALSE);
    SetScrollPos(frame.vScrollBar, SB_CTL, 0, FALSE);
    frame.hScrollPos = frame.vScrollPos = frame.lastHScrollPos = frame.lastVScrollPos = 0;
    frame.hBarShown = frame.vBarShown = false;
}

void EnterImageMode(HWND window) {
    if (frame.viewMode != 0) return;
    SelectObject(frame.startupDC, frame.startupOldBitmap);
    DeleteDC(frame.startupDC);
    DeleteObject(frame.startupBitmap);
    frame.startupDC = nullptr;
    frame.startupBitmap = nullptr;
    frame.viewMode = 1;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void DisableImageButtons() {
    for (const char* base : {"Prev", "Next", "ZmOut", "ZmIn", "SaveAs", "Replc", "PlMode"}) EnableBarButton(base, false);
}

void StepZoom(HWND window, const OpenedFile& file, int step, bool (*readSize)(HWND window)) {
    if (!file.HasImage()) return;
    const int zoom = frame.zoomFactor + step;
    if (zoom < 1 || zoom > kMaxZoom) return;
    frame.zoomFactor = zoom;
    WaitCursor();
    if (readSize(window)) {
        LayoutScrollBars(window);
        RepaintImageArea(window);
    }
    ArrowCursor();
}

void ShowNoImage(HWND window) {
    FreeDib(frame.dib);
    frame.tool.imagePresent = false;
    DisableImageButtons();
    SetWindowTextA(window, DisplayName());
    RepaintImageArea(window);
}

bool LoadShownDib(HWND window, const char* path, const char* openPath) {
    FreeDib(frame.dib);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageFormatted(window, frame_texts::kShownFileUnreadable, openPath);
        return false;
    }
    const bool read = ReadDibFile(frame.dib, window, file);
    CloseHandle(file);
    if (!read) return false;
    RepaintImageArea(window);
    return true;
}

void RepaintImageArea(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    client.top = kBarRows;
    InvalidateRect(window, &client, TRUE);
    UpdateWindow(window);
}

void RepaintRect(HWND window, int left, int top, int right, int bottom) {
    RECT r{left, top, right, bottom};
    InvalidateRect(window, &r, TRUE);
    UpdateWindow(window);
}
