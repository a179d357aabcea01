#include "frame/button_bar.h"

#include <cstring>
#include <string>

#include "frame/detection.h"
#include "frame/frame_state.h"
#include "framecore/os_variant.h"

namespace {

constexpr int kMaxButtons = 16;
constexpr int kFirstCommandX = 16;
constexpr int kButtonWidth = 32;

struct BarButtonNames {
    HWND window = nullptr;
    std::string up, down, inactive;
};

BarButtonNames buttons[kMaxButtons];

// The pixels under the hover label, kept as a small bitmap of the label's
// largest size.
HDC backgroundDC = nullptr;
HBITMAP backgroundBitmap = nullptr;
HGDIOBJ backgroundOldBitmap = nullptr;

int BarTop() { return GetSystemMetrics(SM_CYBORDER) + frame.program->barTopOffset; }

void CreateButtons(HWND bar) {
    if (!frame.osVariantKnown) {
        DetectOsVariant();
        frame.osVariantKnown = true;
    }
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const ProgramDescription& program = *frame.program;
    for (int i = 0; i < program.buttonCount && i < kMaxButtons; ++i) {
        const BarButtonPlace& place = program.buttons[i];
        BarButtonNames& names = buttons[i];
        names.up = ButtonBitmapName(place.base, frame.osVariant, ButtonState::Up);
        names.down = ButtonBitmapName(place.base, frame.osVariant, ButtonState::Down);
        names.inactive = ButtonBitmapName(place.base, frame.osVariant, ButtonState::Inactive);
        const int width = place.width > 0 ? place.width : screenWidth - place.x;
        names.window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, place.x, BarTop(), width,
                                       kBarRows, bar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                                       frame.instance, nullptr);
        if (place.inactive) EnableWindow(names.window, FALSE);
    }
}

int IndexOfId(int id) {
    for (int i = 0; i < frame.program->buttonCount && i < kMaxButtons; ++i)
        if (frame.program->buttons[i].id == id) return i;
    return -1;
}

void DrawButton(const DRAWITEMSTRUCT& item) {
    const int index = IndexOfId(static_cast<int>(item.CtlID));
    if (index < 0) return;
    const BarButtonNames& names = buttons[index];
    const std::string& name = !IsWindowEnabled(item.hwndItem)   ? names.inactive
                              : (item.itemState & ODS_SELECTED) ? names.down
                                                                : names.up;
    HBITMAP bitmap = LoadBitmapA(frame.instance, name.c_str());
    if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        HDC memory = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (old != nullptr) {
            BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                   item.rcItem.bottom - item.rcItem.top, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
        }
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

// The galleries' bar is one pixel taller: a line in the button face colour
// across its top.
void DrawBarTopLine(HWND bar) {
    static COLORREF face = GetSysColor(COLOR_BTNFACE);
    RECT client;
    GetClientRect(bar, &client);
    HDC dc = GetDC(bar);
    HPEN pen = CreatePen(PS_SOLID, 1, face);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(bar, dc);
}

// --- Hover labels ---------------------------------------------------------

HFONT CreateLabelFont() {
    LOGFONTA font{};
    if (frame.japanese) {
        font.lfHeight = 12;
        font.lfCharSet = SHIFTJIS_CHARSET;
        std::strcpy(font.lfFaceName, "ＭＳゴシック");
    } else {
        font.lfHeight = frame.osVariant <= 2 ? 12 : 14;
        font.lfCharSet = OEM_CHARSET;
        std::strcpy(font.lfFaceName, "Helv");
    }
    font.lfWeight = FW_NORMAL;
    return CreateFontIndirectA(&font);
}

bool LabelShown() { return frame.labelRect.left != 0; }

void RestoreBackground(HDC dc) {
    if (!LabelShown() || backgroundDC == nullptr) return;
    const RECT& r = frame.labelRect;
    BitBlt(dc, r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1, backgroundDC, 0, 0, SRCCOPY);
}

void SaveBackground(HDC dc) {
    if (backgroundDC == nullptr) {
        backgroundDC = CreateCompatibleDC(dc);
        backgroundBitmap = CreateCompatibleBitmap(dc, kLabelColumns, kLabelRows);
        backgroundOldBitmap = SelectObject(backgroundDC, backgroundBitmap);
    }
    const RECT& r = frame.labelRect;
    BitBlt(backgroundDC, 0, 0, r.right - r.left + 1, r.bottom - r.top + 1, dc, r.left, r.top, SRCCOPY);
}

void ForgetLabel() {
    SetRectEmpty(&frame.labelRect);
    frame.hoverButton = 0;
}

void DrawLabel(HDC dc, int k) {
    const LabelText& label = frame.program->labels[k - 1];
    const char* text = frame.japanese ? label.japanese : label.english;
    const int length = static_cast<int>(std::strlen(text));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int extraWidth = frame.japanese ? 1 : 2;
    const int offsetX = (frame.japanese || frame.osVariant <= 2) ? 0 : 1;
    const int offsetY = frame.japanese ? 0 : -1;

    RECT& r = frame.labelRect;
    r.left = GetSystemMetrics(SM_CXBORDER) + kFirstCommandX + kButtonWidth * (k - 1) + 1;
    r.top = GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION) + 32;
    r.right = r.left + extent.cx + extraWidth + 5;
    r.bottom = r.top + metrics.tmExternalLeading + metrics.tmHeight + 6;
    // The saved area has a fixed size: a longer label is cut to it.
    if (r.right - r.left + 1 > kLabelColumns) r.right = r.left + kLabelColumns - 1;
    if (r.bottom - r.top + 1 > kLabelRows) r.bottom = r.top + kLabelRows - 1;
    SaveBackground(dc);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    TextOutA(dc, r.left + offsetX + 3, r.top + offsetY + 3, text, length);
}

// Runs `draw` on the main window's DC with the label font selected, unless
// the program is not active or a modal dialog is open.
template <typename Draw>
void WithLabelDC(HWND mainWindow, Draw draw) {
    if (GetActiveWindow() == nullptr || !IsWindowEnabled(mainWindow)) return;
    HDC dc = GetWindowDC(mainWindow);
    HFONT font = CreateLabelFont();
    HGDIOBJ oldFont = SelectObject(dc, font);
    draw(dc);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    ReleaseDC(mainWindow, dc);
}

}  // namespace

HWND BarButton(const char* base) {
    for (int i = 0; i < frame.program->buttonCount && i < kMaxButtons; ++i)
        if (std::strcmp(frame.program->buttons[i].base, base) == 0) return buttons[i].window;
    return nullptr;
}

void EnableBarButton(const char* base, bool enabled) {
    HWND button = BarButton(base);
    if (button != nullptr) EnableWindow(button, enabled ? TRUE : FALSE);
}

int BarCommand(const char* base) {
    for (int i = 0; i < frame.program->buttonCount && i < kMaxButtons; ++i)
        if (std::strcmp(frame.program->buttons[i].base, base) == 0) return frame.program->buttons[i].command;
    return 0;
}

void RepaintBarButton(HWND mainWindow, const char* base) {
    for (int i = 0; i < frame.program->buttonCount && i < kMaxButtons; ++i) {
        const BarButtonPlace& place = frame.program->buttons[i];
        if (std::strcmp(place.base, base) != 0) continue;
        RECT area{place.x - 1, 0, place.x + place.width - 1, kBarRows};
        InvalidateRect(mainWindow, &area, TRUE);
        UpdateWindow(mainWindow);
    }
}

LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateButtons(bar);
            return 0;
        case WM_COMMAND: {
            const int index = IndexOfId(LOWORD(wParam));
            if (index < 0 || frame.program->buttons[index].command == 0) return 0;
            SendMessageA(GetParent(bar), WM_COMMAND, frame.program->buttons[index].command, 0);
            InvalidateRect(buttons[index].window, nullptr, TRUE);
            return 0;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_BUTTON) {
                DrawButton(*item);
                if (!frame.program->inspector) DrawBarTopLine(bar);
            }
            return 0;
        }
    }
    return DefWindowProcA(bar, message, wParam, lParam);
}

void ShowHoverLabel(HWND mainWindow) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(mainWindow, &cursor);
    const int count = frame.program->commandButtonCount;
    const int end = kFirstCommandX + kButtonWidth * count;
    const int top = GetSystemMetrics(SM_CYBORDER) + frame.program->barTopOffset;
    WithLabelDC(mainWindow, [&](HDC dc) {
        if (cursor.y > top && cursor.y < top + kBarRows) {
            if ((cursor.x < kFirstCommandX || cursor.x >= end) && frame.hoverButton != 0) {
                RestoreBackground(dc);
                ForgetLabel();
            }
            for (int k = 1; k <= count; ++k) {
                const int left = kFirstCommandX + kButtonWidth * (k - 1);
                if (cursor.x >= left && cursor.x < left + kButtonWidth && frame.hoverButton != k) {
                    RestoreBackground(dc);
                    DrawLabel(dc, k);
                    frame.hoverButton = k;
                }
            }
        } else if (frame.hoverButton != 0) {
            RestoreBackground(dc);
            ForgetLabel();
        }
    });
}

void HideHoverLabel(HWND mainWindow) {
    HDC dc = GetWindowDC(mainWindow);
    RestoreBackground(dc);
    ForgetLabel();
    ReleaseDC(mainWindow, dc);
}

void RedrawCommandLabel(HWND mainWindow) {
    const int first = frame.program->firstNavigationHover;
    if (frame.hoverButton < first || frame.hoverButton > first + 3) return;
    WithLabelDC(mainWindow, [&](HDC dc) { DrawLabel(dc, frame.hoverButton); });
}

void ReleaseHoverLabel() {
    if (backgroundDC == nullptr) return;
    SelectObject(backgroundDC, backgroundOldBitmap);
    DeleteObject(backgroundBitmap);
    DeleteDC(backgroundDC);
    backgroundDC = nullptr;
}
