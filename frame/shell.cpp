#include "frame/shell.h"

#include <cstring>
#include <string>

#include "frame/button_bar.h"
#include "frame/detection.h"
#include "frame/frame_state.h"
#include "frame/guards.h"
#include "frame/image_view.h"
#include "framecore/window_geometry.h"

FrameState frame;

const char* DisplayName() { return frame.japanese ? frame.program->japaneseName : frame.program->englishName; }

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
    frame.startupBitmap = LoadBitmapA(frame.instance, "IBMP_1");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    frame.startupDC = CreateCompatibleDC(dc);
    frame.startupOldBitmap = SelectObject(frame.startupDC, frame.startupBitmap);
    BitBlt(dc, (client.right - kStartupWidth) / 2, (client.bottom - kStartupHeight - kBarRows) / 2 + kBarRows,
           kStartupWidth, kStartupHeight, frame.startupDC, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

bool RegisterMainClass(const ProgramDescription& program) {
    WNDCLASSA c{};
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = program.windowProc != nullptr ? program.windowProc : InspectorWindowProc;
    c.hInstance = frame.instance;
    c.hIcon = LoadIconA(frame.instance, "ICON_1");
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = program.className;
    return RegisterClassA(&c) != 0;
}

void CreateBar(HWND mainWindow, const ProgramDescription& program) {
    WNDCLASSA c{};
    c.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    c.lpfnWndProc = BarWindowProc;
    c.hInstance = frame.instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    c.lpszClassName = kBarClassName;
    if (RegisterClassA(&c) == 0) return;  // the program runs without buttons
    frame.barHeight = GetSystemMetrics(SM_CYBORDER) + program.barExtraHeight;
    frame.barWidth = GetSystemMetrics(SM_CXSCREEN);
    frame.barWindow = CreateWindowExA(0, kBarClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, mainWindow, nullptr,
                                      frame.instance, nullptr);
    SetWindowPos(frame.barWindow, nullptr, 0, 0, frame.barWidth, frame.barHeight,
                 SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    ShowWindow(frame.barWindow, SW_SHOW);
    UpdateWindow(frame.barWindow);
}

}  // namespace

// The program's own path (W2: whatever the file is called).
void FindProgramPath() {
    std::memset(frame.programPath, 0, sizeof frame.programPath);
    const DWORD length = GetModuleFileNameA(nullptr, frame.programPath, 256);
    if (length == 0 || length >= 256) frame.programPath[0] = '\0';
}

int RunProgram(HINSTANCE instance, int showCommand, const ProgramDescription& program) {
    frame.instance = instance;
    frame.program = &program;
    if (!RegisterMainClass(program)) return 0;

    frame.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    frame.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const WindowRect place = MainWindowRect(frame.screenWidth, frame.screenHeight, program.inspector);
    frame.windowX = place.x;
    frame.windowY = place.y;
    frame.windowWidth = place.width;
    frame.windowHeight = place.height;
    frame.minHeightBase = GetSystemMetrics(SM_CYMIN) + 20;
    frame.hScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    frame.vScrollWidth = GetSystemMetrics(SM_CXVSCROLL);

    // The inspectors can be resized; the galleries keep their size.
    const DWORD style = program.inspector ? WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX
                                          : WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExA(0, program.className, program.initialTitle, style, frame.windowX, frame.windowY,
                                  frame.windowWidth, frame.windowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !IsWindow(window)) return 0;
    frame.mainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    CreateBar(window, program);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (frame.modelessDialog != nullptr && IsDialogMessageA(frame.modelessDialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void CreateMainView(HWND window) {
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

void PrepareNames(HWND window) {
    const std::string copy = ChooseDisplayCopyPath(frame.program->bitmapInspector);
    std::memset(frame.displayCopyPath, 0, sizeof frame.displayCopyPath);
    lstrcpynA(frame.displayCopyPath, copy.c_str(), 257);
    PrepareReadmePath();
    SetWindowTextA(window, DisplayName());
}

void PrepareReadmePath() {
    // The readme lies in the program's folder; without a program path there is none.
    std::memset(frame.readmePath, 0, sizeof frame.readmePath);
    const std::string program = frame.programPath;
    const size_t slash = program.find_last_of('\\');
    if (slash != std::string::npos) {
        const std::string readme =
            program.substr(0, slash + 1) + (frame.japanese ? frame.program->readmeJapanese : frame.program->readmeEnglish);
        lstrcpynA(frame.readmePath, readme.c_str(), 257);
    }
}

namespace {

const ProgramHooks* Hooks() { return frame.program != nullptr ? frame.program->hooks : nullptr; }

void ReleaseFrame(HWND window) {
    if (const ProgramHooks* hooks = Hooks(); hooks != nullptr && hooks->beforeShutDown != nullptr)
        hooks->beforeShutDown(window);
    if (frame.viewMode == 0 && frame.startupDC != nullptr) {
        SelectObject(frame.startupDC, frame.startupOldBitmap);
        DeleteDC(frame.startupDC);
        DeleteObject(frame.startupBitmap);
        frame.startupDC = nullptr;
    }
    if (frame.viewMode == 1) {
        DeleteFileA(frame.displayCopyPath);
        FreeDib(frame.dib);
    }
    ReleaseHoverLabel();
    PostQuitMessage(0);
}

bool MayClose(HWND window) {
    const ProgramHooks* hooks = Hooks();
    return hooks == nullptr || hooks->mayClose == nullptr || hooks->mayClose(window);
}

}  // namespace

void ShutDown(HWND window) {
    if (!MayClose(window)) return;
    ReleaseFrame(window);
}

LRESULT CALLBACK InspectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            frame.mainWindow = window;
            DetectUiLanguage();
            DetectOsVariant();
            frame.osVariantKnown = true;
            CreateMainView(window);
            return 0;
        case WM_CLOSE:
            // The close box asks the program's question while the window can
            // still be kept; WM_DESTROY then only releases.
            if (!MayClose(window)) return 0;
            break;
        case WM_DESTROY: ReleaseFrame(window); return 0;
        case WM_SIZE:
            if (frame.hScrollBar != nullptr) LayoutScrollBars(window);
            EnforceMinimumSize(window);
            return 0;
        case WM_PAINT: PaintView(window); return 0;
        case WM_SETCURSOR: {
            DefWindowProcA(window, message, wParam, lParam);
            if (frame.program != nullptr && frame.barWindow != nullptr) ShowHoverLabel(window);
            return 0;
        }
        case WM_COMMAND:
            HideHoverLabel(window);
            frame.program->onCommand(window, LOWORD(wParam));
            return 0;
        case WM_HSCROLL: ScrollView(window, wParam, true); return 0;
        case WM_VSCROLL: ScrollView(window, wParam, false); return 0;
        case WM_SYSCOMMAND:
            if (const ProgramHooks* hooks = Hooks(); hooks != nullptr && hooks->onSystemCommand != nullptr)
                hooks->onSystemCommand(window, wParam);
            break;
        case WM_USER:
        case WM_USER + 1:
            if (const ProgramHooks* hooks = Hooks(); hooks != nullptr && hooks->onUserMessage != nullptr)
                hooks->onUserMessage(window, message - WM_USER);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
