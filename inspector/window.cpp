#include "inspector/window.h"

#include <cstring>
#include <string>

#include "fileops/backup_numbering.h"
#include "fileops/file_system.h"
#include "frame/busy.h"
#include "frame/detection.h"
#include "frame/dropped_file.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/shell.h"
#include "frame/system_menu.h"
#include "inspector/image_view.h"

namespace {

BOOL CALLBACK MatchRunningCopy(HWND window, LPARAM) {
    if (frame.anotherInstance) return TRUE;
    char title[kPathSize] = {};
    GetWindowTextA(window, title, 256);
    const ProgramDescription& p = *frame.program;
    if (std::strstr(title, p.englishName) != nullptr || std::strstr(title, p.japaneseName) != nullptr ||
        (std::strstr(title, p.imageTitleStart) != nullptr && std::strstr(title, " at ") != nullptr))
        frame.anotherInstance = true;
    return TRUE;
}

void ShowStartupPicture(HWND window) {
    view.startupBitmap = LoadBitmapA(frame.instance, "IBMP_1");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    view.startupDC = CreateCompatibleDC(dc);
    view.startupOldBitmap = SelectObject(view.startupDC, view.startupBitmap);
    BitBlt(dc, (client.right - kStartupWidth) / 2, (client.bottom - kStartupHeight - kBarRows) / 2 + kBarRows,
           kStartupWidth, kStartupHeight, view.startupDC, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

// The display copy in the temporary folder, the readme's name and the title.
void PrepareNames(HWND window) {
    char temp[kPathSize] = {};
    GetTempPathA(257, temp);
    StdFileSystem fs;
    const std::string copy = DisplayCopyPath(
        fs, temp, frame.program->bitmapInspector ? DisplayCopyOwner::BitmapInspector : DisplayCopyOwner::IconInspector);
    std::memset(frame.displayCopyPath, 0, sizeof frame.displayCopyPath);
    lstrcpynA(frame.displayCopyPath, copy.c_str(), 257);
    PrepareReadmePath();
    SetWindowTextA(window, DisplayName());
}

// Start-up work at WM_CREATE: single-instance test, drive refusal, start-up
// picture, names, scroll bars.
void CreateMainView(HWND window) {
    frame.mainWindow = window;
    DetectUiLanguage();
    DetectOsVariant();
    frame.osVariantKnown = true;
    frame.anotherInstance = false;
    EnumWindows(MatchRunningCopy, 0);
    if (frame.anotherInstance) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    FindProgramPath();
    // An unknown program path passes the drive test (nothing to refuse).
    if (frame.programPath[0] != '\0' && IsRefusedDrive(DriveRoot(frame.programPath))) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    ShowStartupPicture(window);
    frame.viewMode = 0;
    PrepareNames(window);
    CreateScrollBars(window);
}

// At shutdown: the start-up picture while it is up, else the image shown.
void ReleaseView() {
    if (frame.viewMode == 0 && view.startupDC != nullptr) {
        SelectObject(view.startupDC, view.startupOldBitmap);
        DeleteDC(view.startupDC);
        DeleteObject(view.startupBitmap);
        view.startupDC = nullptr;
    }
    if (frame.viewMode == 1) FreeDib(view.dib);
}

LRESULT CALLBACK InspectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ProgramHooks* hooks = frame.program->hooks;
    switch (message) {
        case WM_CREATE: CreateMainView(window); return 0;
        case WM_CLOSE:
            // The close box asks the program's question while the window can
            // still be kept; WM_DESTROY then only releases.
            if (!MayClose(window)) return 0;
            break;
        case WM_DESTROY: ReleaseFrame(window); return 0;
        case WM_SIZE:
            if (view.hScrollBar != nullptr) LayoutScrollBars(window);
            EnforceMinimumSize(window);
            return 0;
        case WM_PAINT: PaintView(window); return 0;
        case WM_SETCURSOR: SetCursorWithLabel(window, wParam, lParam); return 0;
        case WM_COMMAND: RunCommand(window, wParam); return 0;
        case WM_HSCROLL: ScrollView(window, wParam, true); return 0;
        case WM_VSCROLL: ScrollView(window, wParam, false); return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam)) UpdateSystemMenuItems(reinterpret_cast<HMENU>(wParam));
            break;
        case WM_SYSCOMMAND:
            if (ChooseSystemMenuItem(window, wParam)) return 0;
            if (hooks != nullptr && hooks->onSystemCommand != nullptr) hooks->onSystemCommand(window, wParam);
            break;
        case WM_DROPFILES: OpenDroppedFile(window, reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_USER:
        case WM_USER + 1:
            if (hooks != nullptr && hooks->onUserMessage != nullptr) {
                CommandScope running;
                hooks->onUserMessage(window, message - WM_USER);
            }
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const ProgramFamily kInspectors{InspectorWindowProc, ReleaseView, ImageShown, CopyShownImage};

}  // namespace

int RunInspector(HINSTANCE instance, int showCommand, const ProgramDescription& program) {
    view.minHeightBase = GetSystemMetrics(SM_CYMIN) + 20;
    view.hScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    view.vScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    return RunProgram(instance, showCommand, program, kInspectors);
}
