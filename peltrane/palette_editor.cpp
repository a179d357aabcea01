#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "frame/button_bar.h"
#include "frame/cursor.h"
#include "frame/frame_state.h"
#include "frame/gdi_scope.h"
#include "frame/message_box.h"
#include "imaging/palette_editor_rules.h"
#include "inspector/change_in_place.h"
#include "inspector/view_state.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "peltrane/resource_ids.h"
#include "texts/change_messages.h"

namespace {

// What the editor window shows besides the history: the colour set with the
// bars and where its preview and chips lie. One per window, reached through
// DWLP_USER.
struct EditorWindow {
    int color[3] = {255, 255, 255};  // red, green, blue
    bool inputGuard = true;          // scroll input waits for the first paint
    RECT preview{15, 88, 155, 120};  // dialog units until WM_INITDIALOG converts them
    RECT chips{10, 190, 161, 290};
};

EditorWindow* StateOf(HWND dialog) { return reinterpret_cast<EditorWindow*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

COLORREF ColorOf(const EditorWindow& e) { return RGB(e.color[0], e.color[1], e.color[2]); }

ChipGrid GridOf(const EditorWindow& e) { return {e.chips.left, e.chips.top, e.chips.right, e.chips.bottom}; }

void ShowValue(HWND dialog, int bar, int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    SetDlgItemTextA(dialog, bar - 3, text);
}

// The bars, their texts, the guard and the buttons of a fresh history.
void ResetControls(HWND dialog, EditorWindow& e) {
    for (int i = 0; i < 3; ++i) {
        e.color[i] = 255;
        SetScrollRange(GetDlgItem(dialog, kRedBar + i), SB_CTL, 0, 255, FALSE);
        SetScrollPos(GetDlgItem(dialog, kRedBar + i), SB_CTL, 255, TRUE);
        ShowValue(dialog, kRedBar + i, 255);
    }
    e.inputGuard = true;
    palette.status.clear();
    SetDlgItemTextA(dialog, kStatusLine, "");
    EnableWindow(GetDlgItem(dialog, kUndoButton), FALSE);
    EnableWindow(GetDlgItem(dialog, kSaveButton), FALSE);
}

void FillPreview(HDC dc, const EditorWindow& e) {
    const RECT& r = e.preview;
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorOf(e)));
    ScopedPen pen(CreatePen(PS_SOLID, 1, ColorOf(e)));
    Selection b(dc, brush.Get()), p(dc, pen.Get());
    Rectangle(dc, r.left + 2, r.top + 2, r.right - 1, r.bottom - 1);
}

void Line(HDC dc, COLORREF color, std::initializer_list<POINT> points) {
    ScopedPen pen(CreatePen(PS_SOLID, 1, color));
    Selection p(dc, pen.Get());
    const POINT* first = points.begin();
    MoveToEx(dc, first->x, first->y, nullptr);
    for (const POINT* at = first + 1; at != points.end(); ++at) LineTo(dc, at->x, at->y);
}

// The preview with its sunken edge.
void PaintPreview(HDC dc, const EditorWindow& e) {
    const RECT& r = e.preview;
    {
        GdiObject<HBRUSH> brush(CreateSolidBrush(ColorOf(e)));
        Selection b(dc, brush.Get()), p(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    Line(dc, RGB(0, 0, 0), {{r.right - 2, r.top + 1}, {r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 1}});
    Line(dc, GetSysColor(COLOR_BTNFACE), {{r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top + 1}});
    Line(dc, RGB(128, 128, 128), {{r.right - 1, r.top}, {r.left, r.top}, {r.left, r.bottom}});
    Line(dc, RGB(255, 255, 255), {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top - 1}});
}

void PaintChips(HDC dc, const EditorWindow& e) {
    const RECT& r = e.chips;
    {
        GdiObject<HBRUSH> face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        ScopedPen facePen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)));
        Selection b(dc, face.Get()), p(dc, facePen.Get());
        Rectangle(dc, r.left, r.top, r.right - 1, r.bottom - 1);
    }
    const std::vector<uint8_t> current = palette.history.Current();
    Selection p(dc, GetStockObject(BLACK_PEN));
    for (int entry = 0; entry < palette.history.ColorCount(); ++entry) {
        const uint8_t* bgr = current.data() + 4 * entry;
        GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(bgr[2], bgr[1], bgr[0])));
        Selection b(dc, brush.Get());
        const ChipRect chip = ChipOf(GridOf(e), entry);
        Rectangle(dc, chip.left, chip.top, chip.right, chip.bottom);
    }
}

// The image's palette takes the current snapshot; the main view is repainted
// at once, without erasing (no flicker).
void ShowSnapshot(const std::vector<uint8_t>& snapshot) {
    if (view.dib.block != nullptr && LockDib(view.dib)) {
        const int count = std::min(palette.history.ColorCount(), view.dib.colorEntries);
        for (int i = 0; i < count; ++i) {
            view.dib.colors[i].rgbBlue = snapshot[4 * i];
            view.dib.colors[i].rgbGreen = snapshot[4 * i + 1];
            view.dib.colors[i].rgbRed = snapshot[4 * i + 2];
        }
    }
    if (view.dib.block != nullptr) UnlockDib(view.dib);
    InvalidateRect(frame.mainWindow, nullptr, FALSE);
    UpdateWindow(frame.mainWindow);
}

void UpdateView(HWND dialog) {
    if (EditorWindow* e = StateOf(dialog)) {
        WindowDC dc(dialog);
        PaintChips(dc.Get(), *e);
    }
    ShowSnapshot(palette.history.Current());
}

void SetStatus(HWND dialog, const char* text) {
    palette.status = text;
    SetDlgItemTextA(dialog, kStatusLine, text);
}

void OnChipClick(HWND dialog, int x, int y) {
    EditorWindow* e = StateOf(dialog);
    if (e == nullptr) return;
    const int entry = HitChip(GridOf(*e), x, y, palette.history.ColorCount());
    if (entry < 0) return;
    WaitCursor();
    if (palette.history.Change(entry, static_cast<uint8_t>(e->color[0]), static_cast<uint8_t>(e->color[1]),
                               static_cast<uint8_t>(e->color[2]))) {
        if (palette.history.AtLimit()) SetStatus(dialog, peltrane_texts::kNoMoreChange.Text(frame.japanese));
        UpdateView(dialog);
    }
    EnableWindow(GetDlgItem(dialog, kUndoButton), TRUE);
    EnableWindow(GetDlgItem(dialog, kSaveButton), TRUE);
    ArrowCursor();
}

void OnUndo(HWND dialog) {
    WaitCursor();
    if (palette.history.ChangeCount() > 0) {
        if (palette.history.AtLimit()) SetStatus(dialog, "");
        palette.history.Undo();
        UpdateView(dialog);
    }
    if (palette.history.ChangeCount() == 0) {
        EnableWindow(GetDlgItem(dialog, kUndoButton), FALSE);
        EnableWindow(GetDlgItem(dialog, kSaveButton), FALSE);
    }
    ArrowCursor();
}

void OnScroll(HWND dialog, WPARAM wParam, HWND bar) {
    EditorWindow* e = StateOf(dialog);
    const int id = GetDlgCtrlID(bar);
    if (e == nullptr || e->inputGuard || id < kRedBar || id > kBlueBar) return;
    e->inputGuard = true;
    int& value = e->color[id - kRedBar];
    value = NextColorValue(LOWORD(wParam), value, static_cast<short>(HIWORD(wParam)));
    SetScrollPos(bar, SB_CTL, value, TRUE);
    ShowValue(dialog, id, value);
    {
        WindowDC dc(dialog);
        FillPreview(dc.Get(), *e);
    }
    e->inputGuard = false;
}

void OnClose(HWND dialog) {
    if (palette.history.ChangeCount() <= 0 || palette.history.Saved()) {
        DestroyWindow(dialog);
        EnableBarButton("PlMode", true);
        return;
    }
    PostMessageA(frame.mainWindow, WM_USER + 1, 0, 0);
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* e = reinterpret_cast<EditorWindow*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            MapDialogRect(dialog, &e->preview);
            MapDialogRect(dialog, &e->chips);
            ResetControls(dialog, *e);
            return TRUE;
        }
        case WM_PAINT: {
            PaintDC dc(dialog);
            if (EditorWindow* e = StateOf(dialog)) {
                PaintPreview(dc.Get(), *e);
                PaintChips(dc.Get(), *e);
                e->inputGuard = false;
            }
            return TRUE;
        }
        case WM_HSCROLL: OnScroll(dialog, wParam, reinterpret_cast<HWND>(lParam)); return TRUE;
        case WM_LBUTTONDOWN: OnChipClick(dialog, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kUndoButton: OnUndo(dialog); return TRUE;
                case kSaveButton: PostMessageA(frame.mainWindow, WM_USER, 0, 0); return TRUE;
                case IDCANCEL: OnClose(dialog); return TRUE;
            }
            return FALSE;
        case WM_CLOSE: OnClose(dialog); return TRUE;
        case WM_DESTROY:
            if (frame.modelessDialog == dialog) frame.modelessDialog = nullptr;
            palette.editor = nullptr;
            return TRUE;
        case WM_NCDESTROY: delete StateOf(dialog); return FALSE;
    }
    return FALSE;
}

// Snapshot 0 is the palette the view shows now.
bool LoadShownPalette() {
    palette.editable = false;
    if (!inspector.file.HasImage() || !HasEditablePalette(inspector.file.Current()) || view.dib.block == nullptr) return false;
    const int count = inspector.file.Current().colorCount;
    if (!LockDib(view.dib)) return false;
    if (view.dib.colorEntries >= count) {
        std::vector<uint8_t> shown(4 * static_cast<size_t>(count));
        std::memcpy(shown.data(), view.dib.colors, shown.size());
        palette.history.Load(shown.data(), count);
        palette.editable = true;
    }
    UnlockDib(view.dib);
    return palette.editable;
}

}  // namespace

void OpenPaletteEditor(HWND window) {
    if (palette.Open() || !LoadShownPalette()) return;
    auto* e = new EditorWindow;
    palette.editor = CreateDialogParamA(frame.instance, frame.japanese ? "PALETTESET_DLG_J" : "PALETTESET_DLG", window,
                                        EditorProc, reinterpret_cast<LPARAM>(e));
    if (palette.editor == nullptr) {
        delete e;
        return;
    }
    frame.modelessDialog = palette.editor;
    RECT r;
    GetWindowRect(palette.editor, &r);
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, palette.editor, nullptr, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left), 0, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER);
    EndDeferWindowPos(defer);
    EnableBarButton("PlMode", false);
}

void RefreshPaletteEditor(HWND window) {
    if (!LoadShownPalette()) {
        DestroyPaletteEditor(window);
        EnableBarButton("PlMode", false);
        return;
    }
    if (!palette.Open()) {
        EnableBarButton("PlMode", true);
        return;
    }
    EnableBarButton("PlMode", false);
    if (EditorWindow* e = StateOf(palette.editor)) ResetControls(palette.editor, *e);
    InvalidateRect(palette.editor, nullptr, TRUE);
    UpdateWindow(palette.editor);
}

bool MayLeavePaletteChange(HWND window, const Message& question) {
    if (!palette.HasUnsavedChange()) return true;
    const bool yes = ShowMessage(window, question) == IDYES;
    frame.hoverButton = 0;
    return yes;
}

void SavePaletteCommand(HWND window) {
    if (!palette.Open() || !inspector.file.HasImage() || !palette.editable) return;
    const FoundImage& entry = inspector.file.Current();
    const InPlaceChange change = ChangeFileInPlace(window, ChangeKind::PaletteSave, inspector.file.openPath,
                                                   inspector.file.fileSize, int64_t{entry.headerOffset} + 40,
                                                   palette.history.Current());
    if (!change.done) return;
    palette.history.MarkSaved();  // only now that the file holds it
    ShowMessageFormatted(window, SavedAsMessage(), change.backupName.c_str());
}

void CloseEditorAsked(HWND window) {
    if (!palette.Open()) return;
    if (ShowMessage(window, peltrane_texts::kLeaveForClose) != IDYES) return;
    while (palette.history.Undo()) {
    }
    ShowSnapshot(palette.history.Original());
    DestroyPaletteEditor(window);
    EnableBarButton("PlMode", true);
}

void DestroyPaletteEditor(HWND) {
    if (palette.Open()) DestroyWindow(palette.editor);
}

void UpdatePaletteButton() {
    if (palette.Open()) {
        EnableBarButton("PlMode", false);
        SetDlgItemTextA(palette.editor, kStatusLine, palette.status.c_str());
        return;
    }
    EnableBarButton("PlMode", palette.editable);
}

void OnSystemCommand(HWND, WPARAM command) {
    if (!palette.Open()) return;
    if ((command & 0xFFF0) == SC_MINIMIZE) ShowWindow(palette.editor, SW_HIDE);
    if ((command & 0xFFF0) == SC_RESTORE) ShowWindow(palette.editor, SW_SHOWNA);
}
