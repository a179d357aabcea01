#include "tests/e2e/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

std::string Setting(const char* name) {
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

Program::Program(const std::string& exe, const std::string& commandTail) {
    std::string command = "\"" + exe + "\"" + (commandTail.empty() ? "" : " " + commandTail);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        process_ = PROCESS_INFORMATION{};
}

Program::~Program() {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        // Close every window the test left open, then the program.
        for (HWND window : Windows()) PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

int Program::WaitForExit(int milliseconds) const {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

std::vector<HWND> Program::Windows() const {
    Search search{process_.dwProcessId, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::FindWindowOf(const char* className, const char* title, int milliseconds) const {
    HWND result = nullptr;
    WaitFor(
        [&] {
            for (HWND window : Windows())
                if (ClassOf(window) == className && (title == nullptr || WindowText(window) == title)) {
                    result = window;
                    return true;
                }
            return false;
        },
        milliseconds);
    return result;
}

HWND FindDialog(const Program& program, const char* caption, int milliseconds) {
    return program.FindWindowOf("#32770", caption, milliseconds);
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

void PressDialogButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void AnswerFileDialog(HWND dialog, const std::string& path) {
    HWND name = GetDlgItem(dialog, 0x47C);
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PressDialogButton(dialog, IDOK);
}

Capture CaptureClient(HWND window) {
    Capture capture;
    RECT client;
    GetClientRect(window, &client);
    capture.width = client.right;
    capture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    capture.pixels.resize(static_cast<size_t>(capture.width) * capture.height);
    const auto* quads = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < capture.pixels.size(); ++i)
        capture.pixels[i] = RGB(quads[4 * i + 2], quads[4 * i + 1], quads[4 * i]);
    SelectObject(memory, old);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return capture;
}

Capture ClipboardPicture() {
    Capture picture;
    if (!OpenClipboard(nullptr)) return picture;
    HANDLE data = GetClipboardData(CF_DIB);
    const auto* header = data != nullptr ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
    if (header != nullptr) {
        const SIZE_T size = GlobalSize(data);
        const int width = header->biWidth, height = header->biHeight;
        const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
        if (header->biSize == sizeof(BITMAPINFOHEADER) && header->biBitCount == 24 &&
            header->biCompression == BI_RGB && width > 0 && height > 0 &&
            size >= sizeof(BITMAPINFOHEADER) + row * static_cast<size_t>(height)) {
            const auto* bits = reinterpret_cast<const unsigned char*>(header + 1);
            picture.width = width;
            picture.height = height;
            for (int y = 0; y < height; ++y)  // bottom-up rows
                for (int x = 0; x < width; ++x) {
                    const unsigned char* p = bits + static_cast<size_t>(height - 1 - y) * row + 3 * static_cast<size_t>(x);
                    picture.pixels.push_back(RGB(p[2], p[1], p[0]));
                }
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return picture;
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

void PressKey(HWND window, UINT virtualKey) {
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void TypeCharacter(HWND window, char character) {
    PostMessageA(window, WM_CHAR, static_cast<unsigned char>(character), 1);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return bytes;
    unsigned char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Work(const std::string& name) { return Setting("E2E_WORK") + "\\" + name; }

void SaveScreenshot(const std::string& name, HWND window, bool settle) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window != nullptr) GetWindowRect(window, &area);
    HDC screen = GetDC(nullptr);
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, section);
    const uint32_t imageSize = static_cast<uint32_t>((width * 3 + 3) / 4 * 4 * height);
    // The program may still be painting what the test has just checked: take
    // the picture once the screen has stopped changing.
    std::vector<unsigned char> previous;
    for (int tries = 0; tries < (settle ? 20 : 1); ++tries) {
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* now = static_cast<const unsigned char*>(bits);
        if (!previous.empty() && std::equal(previous.begin(), previous.end(), now)) break;
        previous.assign(now, now + imageSize);
        Sleep(150);
    }
    std::vector<unsigned char> file(54);
    file[0] = 'B', file[1] = 'M';
    auto put = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i)); };
    put(2, 54 + imageSize);
    put(10, 54);
    std::memcpy(file.data() + 14, &info.bmiHeader, 40);
    const auto* pixels = static_cast<const unsigned char*>(bits);
    file.insert(file.end(), pixels, pixels + imageSize);
    WriteBytes(Work("shots\\" + name + ".bmp"), file);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(nullptr, screen);
}

MainWindow::MainWindow(const std::string& exe, const char* className, const char* title, int lastButton)
    : program_(exe) {
    window_ = program_.FindWindowOf(className, title);
    // The bar comes right after the window.
    if (window_ != nullptr) WaitFor([&] { return ButtonWindow(lastButton) != nullptr; });
}

void MainWindow::ChooseFile(int button, const char* dialogTitle, const std::string& path, const char* shot) const {
    Press(button);
    HWND dialog = FindDialog(program_, dialogTitle);
    if (dialog != nullptr && shot != nullptr) SaveScreenshot(shot);
    if (dialog != nullptr) AnswerFileDialog(dialog, path);
}

std::string MainWindow::Answer(const char* caption, int answer, int milliseconds, const char* shot) const {
    HWND box = FindDialog(program_, caption, milliseconds);
    if (box == nullptr) return "(no message box \"" + std::string(caption) + "\")";
    if (shot != nullptr) SaveScreenshot(shot);
    const std::string text = MessageBoxText(box);
    PressDialogButton(box, answer);
    WaitFor([&] { return !IsWindow(box); });
    return text;
}

void MainWindow::MoveMouseAway() const {
    RECT r;
    GetWindowRect(window_, &r);
    SetCursorPos((r.left + r.right) / 2, r.bottom - 8);
    Sleep(200);
}

bool MainWindow::NoDialogs() const {
    for (HWND w : program_.Windows())
        if (w != window_) return false;
    return true;
}

COLORREF BmpPixel(const std::vector<uint8_t>& bmp, int x, int y) {
    auto u32 = [&](size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | uint32_t(bmp[at + 3]) << 24; };
    const uint32_t offBits = u32(10);
    const int width = static_cast<int>(u32(18)), height = static_cast<int>(u32(22));
    const int bitCount = bmp[28];
    const size_t row = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    const size_t at = offBits + row * static_cast<size_t>(height - 1 - y);
    if (bitCount == 24) return RGB(bmp[at + 3 * x + 2], bmp[at + 3 * x + 1], bmp[at + 3 * x]);
    const int index = bitCount == 8   ? bmp[at + x]
                      : bitCount == 4 ? (x % 2 == 0 ? bmp[at + x / 2] >> 4 : bmp[at + x / 2] & 15)
                                      : (bmp[at + x / 8] >> (7 - x % 8)) & 1;
    const size_t entry = 54 + 4 * static_cast<size_t>(index);
    return RGB(bmp[entry + 2], bmp[entry + 1], bmp[entry]);
}


// The text of a control of another process, asked of the control itself
// (GetWindowText only sees the text kept by the system, not an edit's).
std::string ControlText(HWND control) {
    char text[512] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// A control of the panel (the child dialog) inside a file dialog.
HWND PanelControl(HWND dialog, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (std::string(name) == "#32770" && GetDlgItem(child, id) != nullptr) return GetDlgItem(child, id);
    }
    return nullptr;
}

namespace {

// Reads a whole file and forgets its bytes.
void ReadThrough(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::vector<char> block(1 << 20);
    DWORD read = 0;
    while (ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &read, nullptr) && read > 0) {
    }
    CloseHandle(file);
}

}  // namespace

void BenchOpen(const char* program, const MainWindow& main, int openButton, const char* dialogTitle,
               const std::string& path, const std::string& title, const std::function<bool()>& reset) {
    using Clock = std::chrono::steady_clock;
    const int runs = Setting("BENCH_RUNS").empty() ? 5 : std::stoi(Setting("BENCH_RUNS"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        ASSERT_TRUE(reset()) << main.Title();
        main.Press(openButton);
        HWND dialog = FindDialog(main.Process(), dialogTitle);
        ASSERT_NE(dialog, nullptr);
        ReadThrough(path);
        const auto start = Clock::now();
        AnswerFileDialog(dialog, path);
        ASSERT_TRUE(WaitFor([&] { return main.Title() == title; }, 120000, 1)) << main.Title();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        std::printf("%s: OK in Open to the first title of %s: %.0f ms\n", program, path.c_str(), times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("%s open median: %.1f ms\n", program, times[times.size() / 2]);
}
