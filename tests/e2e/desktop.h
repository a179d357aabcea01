#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What the end-to-end driver does to a program under test, as a user would:
// start it, find its windows, press its buttons, answer its dialogs, read
// its title and its pixels.

// The value of an environment variable set by the script that runs the driver.
std::string Setting(const char* name);

// Waits until `ready` holds, polling every `every` ms; false after `milliseconds`.
template <typename Ready>
bool WaitFor(Ready ready, int milliseconds = 10000, int every = 25) {
    for (int waited = 0; waited < milliseconds; waited += every) {
        if (ready()) return true;
        Sleep(every);
    }
    return ready();
}

std::string WindowText(HWND window);

// A running program: started with CreateProcess, ended when the object goes.
class Program {
public:
    Program(const std::string& exe, const std::string& commandTail = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // Waits for the process to end; its exit code, or -1 on timeout.
    int WaitForExit(int milliseconds = 10000) const;
    DWORD Id() const { return process_.dwProcessId; }
    // A visible top-level window of this process with the class and, if
    // given, the title (nullptr when none appears in time).
    HWND FindWindowOf(const char* className, const char* title = nullptr, int milliseconds = 10000) const;
    // Every visible top-level window of this process.
    std::vector<HWND> Windows() const;

private:
    PROCESS_INFORMATION process_{};
};

// A dialog box (class #32770) of the program with this caption.
HWND FindDialog(const Program& program, const char* caption, int milliseconds = 10000);
// The text of a message box (its static 0xFFFF).
std::string MessageBoxText(HWND box);
// Presses a button of a dialog by its identifier (posted: it may open another dialog).
void PressDialogButton(HWND dialog, int id);
// Answers a file dialog: types the full path into the name box and presses OK.
void AnswerFileDialog(HWND dialog, const std::string& path);

// The client area of a window as 32-bit pixels, top row first.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture CaptureClient(HWND window);

// The picture on the clipboard, as a 24-bit CF_DIB (the programs' Copy);
// width 0 when there is none or it is of another kind.
Capture ClipboardPicture();
void EmptyTheClipboard();

// Keys as the message loop of the program's thread meets them: a key pressed
// (WM_KEYDOWN, then WM_KEYUP), or a character typed (WM_CHAR: "+", or 3 for Ctrl+C).
void PressKey(HWND window, UINT virtualKey);
void TypeCharacter(HWND window, char character);

// Bytes of a file; empty when it cannot be read.
std::vector<unsigned char> ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::string& path);

// A file of the sessions' work folder (E2E_WORK).
std::string Work(const std::string& name);

// Saves the screen (or a window of it) as shots\NAME.bmp in the work folder,
// once the screen has stopped changing (at once without `settle`: a box that
// is up only for a moment).
void SaveScreenshot(const std::string& name, HWND window = nullptr, bool settle = true);

// One run of a program: its main window, its bar of buttons and its dialogs.
class MainWindow {
public:
    // Starts `exe` and waits for its window of this class and title, and for
    // the bar's button `lastButton`.
    MainWindow(const std::string& exe, const char* className, const char* title, int lastButton);
    HWND Window() const { return window_; }
    const Program& Process() const { return program_; }

    HWND ButtonWindow(int id) const { return GetDlgItem(FindWindowExA(window_, nullptr, "IconBarWindow", nullptr), id); }
    void Press(int id) const { PostMessageA(ButtonWindow(id), BM_CLICK, 0, 0); }
    bool Enabled(int id) const { return IsWindowEnabled(ButtonWindow(id)) != FALSE; }

    std::string Title() const { return WindowText(window_); }
    bool WaitForTitle(const std::string& title) const {
        return WaitFor([&] { return Title() == title; });
    }
    // Presses a button and answers the file dialog that it opens.
    // With `shot`, a screenshot of the dialog (or box) for the user guides first.
    void ChooseFile(int button, const char* dialogTitle, const std::string& path, const char* shot = nullptr) const;
    // The message box with this caption; its text, after pressing `answer`.
    std::string Answer(const char* caption, int answer = IDOK, int milliseconds = 10000, const char* shot = nullptr) const;
    // The label of a button just pressed stays over the picture until the
    // mouse moves: move it to the bottom of the window.
    void MoveMouseAway() const;
    bool NoDialogs() const;

private:
    Program program_;
    HWND window_ = nullptr;
};

// Figures (not part of the test run), BENCH_RUNS times (default 5): `reset`
// gives the window another title (false when it could not), then `path` is
// read once (so that the system's cache holds it, as for a file just used)
// and opened through `openButton`'s dialog `dialogTitle`. Prints the
// milliseconds from OK until the window shows `title`, and their median.
void BenchOpen(const char* program, const MainWindow& main, int openButton, const char* dialogTitle,
               const std::string& path, const std::string& title, const std::function<bool()>& reset);

// The colour of pixel (x, y) (top row 0) of an uncompressed BMP file of 1, 4, 8 or 24 bits.
COLORREF BmpPixel(const std::vector<uint8_t>& bmp, int x, int y);

// The text of a control of another process, asked of the control itself
// (GetWindowText only sees the text kept by the system, not an edit's).
std::string ControlText(HWND control);
// A control of the panel (the child dialog) inside a file dialog.
HWND PanelControl(HWND dialog, int id);
