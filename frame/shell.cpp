#include "frame/shell.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "frame/button_bar.h"
#include "frame/command_keys.h"
#include "frame/frame_state.h"
#include "frame/system_menu.h"
#include "framecore/window_geometry.h"

FrameState frame;

const char* DisplayName() { return frame.japanese ? frame.program->japaneseName : frame.program->englishName; }

namespace {

const ProgramHooks* Hooks() { return frame.program != nullptr ? frame.program->hooks : nullptr; }

bool RegisterMainClass(const ProgramDescription& program) {
    WNDCLASSA c{};
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = frame.family->windowProc;
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

int RunProgram(HINSTANCE instance, int showCommand, const ProgramDescription& program, const ProgramFamily& family) {
    frame.instance = instance;
    frame.program = &program;
    frame.family = &family;
    if (!RegisterMainClass(program)) return 0;

    frame.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    frame.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const WindowRect place = MainWindowRect(frame.screenWidth, frame.screenHeight, program.inspector);
    frame.windowX = place.x;
    frame.windowY = place.y;
    frame.windowWidth = place.width;
    frame.windowHeight = place.height;

    // The inspectors can be resized; the galleries keep their size.
    const DWORD style = program.inspector ? WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX
                                          : WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExA(0, program.className, program.initialTitle, style, frame.windowX, frame.windowY,
                                  frame.windowWidth, frame.windowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !IsWindow(window)) return 0;
    frame.mainWindow = window;
    AddSystemMenuItems(window);
    DragAcceptFiles(window, TRUE);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    CreateBar(window, program);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (frame.modelessDialog != nullptr && IsDialogMessageA(frame.modelessDialog, &message)) continue;
        if (RunCommandKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
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

void ReleaseFrame(HWND window) {
    if (const ProgramHooks* hooks = Hooks(); hooks != nullptr && hooks->beforeShutDown != nullptr)
        hooks->beforeShutDown(window);
    if (frame.family->releaseView != nullptr) frame.family->releaseView();
    if (frame.viewMode == 1) DeleteFileA(frame.displayCopyPath);
    ReleaseHoverLabel();
    PostQuitMessage(0);
}

bool MayClose(HWND window) {
    const ProgramHooks* hooks = Hooks();
    return hooks == nullptr || hooks->mayClose == nullptr || hooks->mayClose(window);
}

void ShutDown(HWND window) {
    if (!MayClose(window)) return;
    ReleaseFrame(window);
}

void SetCursorWithLabel(HWND window, WPARAM wParam, LPARAM lParam) {
    DefWindowProcA(window, WM_SETCURSOR, wParam, lParam);
    if (frame.program != nullptr && frame.barWindow != nullptr) ShowHoverLabel(window);
}

void RepaintImageArea(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    client.top = kBarRows;
    InvalidateRect(window, &client, TRUE);
    UpdateWindow(window);
}
