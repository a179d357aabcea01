#include "gallery/window.h"

#include <cstdlib>
#include <cstring>

#include "fileops/backup_numbering.h"
#include "frame/busy.h"
#include "frame/button_bar.h"
#include "frame/clipboard.h"
#include "frame/detection.h"
#include "frame/dropped_file.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "frame/open_dialog.h"
#include "frame/shell.h"
#include "frame/system_menu.h"
#include "texts/gallery_messages.h"
#include "texts/image_messages.h"

GalleryView gallery;

namespace {

const GalleryDescription* description = nullptr;
HWND desktopListView = nullptr;

bool AnotherCopyRuns() {
    const ProgramDescription& p = *frame.program;
    return FindWindowExA(nullptr, nullptr, p.className, p.englishName) != nullptr ||
           FindWindowExA(nullptr, nullptr, p.className, p.japaneseName) != nullptr;
}

bool DisplayHasFewColours() {
    HDC info = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    const int bits = GetDeviceCaps(info, BITSPIXEL);
    DeleteDC(info);
    return std::abs(bits) <= 4;
}

// The desktop's icon list view: the grandchild of the "Progman" window.
BOOL CALLBACK FindDesktopListView(HWND window, LPARAM) {
    if (desktopListView != nullptr) return TRUE;
    char name[kPathSize] = {};
    GetClassNameA(window, name, 256);
    if (std::strstr(name, "Progman") == nullptr) return TRUE;
    HWND child = GetWindow(window, GW_CHILD);
    HWND grandchild = child != nullptr ? GetWindow(child, GW_CHILD) : nullptr;
    if (grandchild != nullptr) desktopListView = grandchild;
    return TRUE;
}

// Where the taskbar is: from the desktop list view, or else (no such window,
// as under current desktops) from the work area.
TaskbarInsets MeasureTaskbar() {
    desktopListView = nullptr;
    EnumWindows(FindDesktopListView, 0);
    RECT r;
    if (desktopListView != nullptr && GetWindowRect(desktopListView, &r))
        return InsetsFromListView(r.left, r.top, r.right, r.bottom, frame.screenWidth, frame.screenHeight);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return InsetsFromWorkArea(r.left, r.top, r.right, r.bottom, frame.screenWidth, frame.screenHeight);
}

void PlaceWindow(HWND window) {
    const WindowRect place = GalleryWindowRect(frame.screenWidth, frame.screenHeight, gallery.insets);
    frame.windowX = place.x;
    frame.windowY = place.y;
    frame.windowWidth = place.width;
    frame.windowHeight = place.height;
    HDWP defer = BeginDeferWindowPos(1);
    defer = DeferWindowPos(defer, window, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER);
    EndDeferWindowPos(defer);
}

void PrepareGalleryNames(HWND window) {
    char temp[kPathSize] = {};
    GetTempPathA(256, temp);
    const std::string copy =
        GalleryTempPath(temp, description->bitmaps ? GalleryOwner::BitmapGallery : GalleryOwner::IconGallery);
    std::memset(frame.displayCopyPath, 0, sizeof frame.displayCopyPath);
    lstrcpynA(frame.displayCopyPath, copy.c_str(), 257);
    PrepareReadmePath();
    SetWindowTextA(window, DisplayName());
}

POINT StartupPlace(const RECT& client) {
    return {(client.right - description->startupWidth) / 2,
            (client.bottom - description->startupHeight - kBarRows) / 2 + kBarRows};
}

void ShowStartupPicture(HWND window) {
    HBITMAP picture = LoadBitmapA(frame.instance, "IBMP_1");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    WindowDC dc(window);
    gallery.startup = MemoryPicture(dc.Get(), picture);
    const POINT at = StartupPlace(client);
    BitBlt(dc.Get(), at.x, at.y, description->startupWidth, description->startupHeight, gallery.startup.Get(), 0, 0,
           SRCCOPY);
}

// The start-up work: each refusal closes the window at once.
void CreateGridWindow(HWND window) {
    frame.mainWindow = window;
    if (AnotherCopyRuns()) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    FindProgramPath();
    if ((frame.programPath[0] != '\0' && IsRefusedDrive(DriveRoot(frame.programPath))) || DisplayHasFewColours()) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    DetectUiLanguage();
    DetectOsVariant();
    frame.osVariantKnown = true;
    gallery.insets = MeasureTaskbar();
    PlaceWindow(window);
    PrepareGalleryNames(window);
    frame.viewMode = 0;
    ShowStartupPicture(window);
    RECT client;
    GetClientRect(window, &client);
    gallery.layout =
        description->bitmaps ? BitmapGridLayout(client.right, client.bottom) : IconGridLayout(client.right, client.bottom);
}

void DrawSelectionFrame(HDC dc, int x, int y, COLORREF color) {
    ScopedPen pen(CreatePen(PS_SOLID, 1, color));
    Selection selected(dc, pen.Get());
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x, y + gallery.layout.pitchY);
    LineTo(dc, x + gallery.layout.pitchX, y + gallery.layout.pitchY);
    LineTo(dc, x + gallery.layout.pitchX, y);
    LineTo(dc, x, y);
}

void PaintGallery(HWND window) {
    {
        PaintDC paint(window);
        if (frame.viewMode == 0) {
            RECT client;
            GetClientRect(window, &client);
            const POINT at = StartupPlace(client);
            BitBlt(paint.Get(), at.x, at.y, description->startupWidth, description->startupHeight,
                   gallery.startup.Get(), 0, 0, SRCCOPY);
        } else {
            description->paintPage(paint.Get());
            if (gallery.selectionShown) DrawSelectionFrame(paint.Get(), gallery.frameX, gallery.frameY, RGB(255, 0, 0));
        }
    }
    UpdateGalleryButtons();
}

void SelectCell(HWND window, LPARAM lParam) {
    if (frame.viewMode != 1 || gallery.table.empty()) return;
    const CellHit hit = CellAt(gallery.layout, gallery.pageIndex, gallery.LastIndex(), static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam)));
    if (hit.index < 0) return;
    {
        WindowDC dc(window);
        if (gallery.selectionShown) DrawSelectionFrame(dc.Get(), gallery.frameX, gallery.frameY, RGB(0, 0, 0));
        DrawSelectionFrame(dc.Get(), hit.frameX, hit.frameY, RGB(255, 0, 0));
    }
    gallery.frameX = hit.frameX;
    gallery.frameY = hit.frameY;
    gallery.selectionShown = true;
    gallery.selectedIndex = hit.index;
    UpdateGalleryButtons();
}

bool CellSelected() {
    return frame.viewMode == 1 && gallery.selectionShown && gallery.selectedIndex >= 0 &&
           gallery.selectedIndex <= gallery.LastIndex();
}

// Copy: the selected cell's image.
void CopyCell(HWND window) {
    if (!CellSelected()) return;
    FileSource file(gallery.openPath);
    if (!SourceOpened(window, file)) return;
    std::vector<uint8_t> bmp;
    if (description->cellPicture(file, gallery.table[static_cast<size_t>(gallery.selectedIndex)], bmp) != ImageRead::Ok) {
        ShowMessage(window, SourceUnreadableMessage());
        return;
    }
    PutBmpFileOnClipboard(window, bmp);
}

// The gallery's pictures, before the frame's release.
void ReleaseView() {
    description->releasePage();
    gallery.startup.Reset();
}

LRESULT CALLBACK GalleryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: CreateGridWindow(window); return 0;
        case WM_DESTROY: ReleaseFrame(window); return 0;
        case WM_PAINT: PaintGallery(window); return 0;
        case WM_SETCURSOR: SetCursorWithLabel(window, wParam, lParam); return 0;
        case WM_COMMAND: RunCommand(window, wParam); return 0;
        case WM_LBUTTONDOWN: SelectCell(window, lParam); return 0;
        case WM_DROPFILES: OpenDroppedFile(window, reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam)) UpdateSystemMenuItems(reinterpret_cast<HMENU>(wParam));
            break;
        case WM_SYSCOMMAND:
            if (ChooseSystemMenuItem(window, wParam)) return 0;
            break;
        case kLiveGdiObjectsMessage: return LiveGdiObjects();
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const ProgramFamily kGalleries{GalleryWindowProc, ReleaseView, CellSelected, CopyCell};

}  // namespace

int RunGallery(HINSTANCE instance, int showCommand, const ProgramDescription& program,
               const GalleryDescription& galleryDescription) {
    description = &galleryDescription;
    return RunProgram(instance, showCommand, program, kGalleries);
}

void ClearSelection(HWND window) {
    if (!gallery.selectionShown) return;
    {
        WindowDC dc(window);
        DrawSelectionFrame(dc.Get(), gallery.frameX, gallery.frameY, RGB(0, 0, 0));
    }
    gallery.selectionShown = false;
    UpdateGalleryButtons();
}

void LeaveStartupPicture() {
    gallery.startup.Reset();
    frame.viewMode = 1;
}

void UpdateGalleryButtons() {
    const bool shown = frame.viewMode == 1;
    const int last = gallery.LastIndex();
    EnableBarButton("Prev", shown && gallery.CanTurn(-1));
    EnableBarButton("Next", shown && gallery.CanTurn(+1));
    EnableBarButton("SaveAll", shown && last >= 0);
    EnableBarButton("SaveAs", shown && last >= 0 && gallery.selectionShown);
}

std::string ChooseGallerySource(HWND window) {
    static const OpenRules kRules{"EXE/DLL (*.exe;*.dll)\0*.exe;*.dll\0", nullptr, &frame_texts::kOpenMyself,
                                  &gallery_texts::kOpenWrongExtension};
    return ChooseFileToOpen(window, kRules);
}

bool SourceOpened(HWND window, const FileSource& file) {
    if (file.IsOpen()) return true;
    ShowMessage(window, SourceUnreadableMessage());
    return false;
}
