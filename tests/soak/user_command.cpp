#include "tests/soak/user_command.h"

#include <map>
#include <set>

#include "tests/soak/soak.h"

namespace {

std::set<ULONG_PTR> handled;  // the commands whose message the program has returned from
ULONG_PTR lastCommand = 0;

void CALLBACK Handled(HWND, UINT, ULONG_PTR id, LRESULT) { handled.insert(id); }

// Delivers the callbacks of handled commands (they come with this thread's messages).
void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DialogKind KindOf(HWND window, const std::string& caption) {
    if (GetDlgItem(window, 0x47C) != nullptr || GetDlgItem(window, 0x480) != nullptr) return DialogKind::File;
    if (GetDlgItem(window, 8) != nullptr && caption == "Confirmation") return DialogKind::Confirm;
    if (GetDlgItem(window, 122) != nullptr || GetDlgItem(window, 124) != nullptr) return DialogKind::Colour;
    if (caption == "About") return DialogKind::Other;
    if (GetDlgItem(window, 0xFFFF) != nullptr) return DialogKind::Message;
    return DialogKind::Other;
}

// The program's visible windows, for a failure report.
std::string WindowList(const Program& program) {
    std::string list;
    for (HWND window : program.Windows())
        list += " [" + ClassOf(window) + " \"" + WindowText(window) + "\"" + (IsWindowEnabled(window) ? "" : " disabled") + "]";
    return list;
}

}  // namespace

std::string Dialog::Describe() const {
    std::string text = caption;
    if (kind == DialogKind::Message) {
        std::string flat = this->text;
        for (char& c : flat)
            if (c == '\n') c = ' ';
        text += ": \"" + flat + "\"";
    }
    return text;
}

bool FindActiveDialog(const Program& program, HWND main, Dialog& dialog) {
    for (HWND window : program.Windows()) {
        if (window == main || ClassOf(window) != "#32770" || !IsWindowEnabled(window)) continue;
        const std::string caption = WindowText(window);
        // The palette editor is a tool window beside the main one; the
        // please-wait and progress boxes have no caption and no button.
        const bool buttons = GetDlgItem(window, IDOK) != nullptr || GetDlgItem(window, IDCANCEL) != nullptr;
        if ((caption.empty() && !buttons) || caption == "Change Palette Color") continue;
        if (!Answers(window)) continue;  // still being made
        dialog.window = window;
        dialog.caption = caption;
        dialog.kind = KindOf(window, caption);
        dialog.text = dialog.kind == DialogKind::Message ? MessageBoxText(window) : "";
        return true;
    }
    return false;
}

bool Answers(HWND window, int milliseconds) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(milliseconds), &result) != 0;
}

Command::Command(HWND target, UINT message, WPARAM wParam, LPARAM lParam) : id_(++lastCommand) {
    if (!SendMessageCallbackA(target, message, wParam, lParam, Handled, id_)) handled.insert(id_);
}

bool Command::Done() const {
    Pump();
    return handled.count(id_) > 0;
}

void FollowCommand(const Program& program, HWND main, const Command& command,
                   const std::function<void(const Dialog&)>& answer, int milliseconds) {
    std::map<HWND, int> answers;
    const DWORD start = GetTickCount();
    while (!command.Done()) {
        const int exit = program.WaitForExit(0);
        Require(exit == -1, "the program ended (exit code " + std::to_string(exit) + ")");
        Dialog dialog;
        if (FindActiveDialog(program, main, dialog)) {
            Require(++answers[dialog.window] <= 3, "the dialog \"" + dialog.Describe() + "\" stays, whatever the answer");
            answer(dialog);
            continue;
        }
        if (GetTickCount() - start > static_cast<DWORD>(milliseconds))
            throw SoakFailure((Answers(main) ? "the command did not end within " + std::to_string(milliseconds / 1000) + " s"
                                             : std::string("the program does not answer")) +
                              "; its windows:" + WindowList(program));
        Sleep(5);
    }
}

bool AwaitDialog(const Program& program, HWND main, Dialog& dialog, int milliseconds) {
    return WaitFor([&] { return FindActiveDialog(program, main, dialog); }, milliseconds);
}

void AnswerAndWait(const Dialog& dialog, const std::function<void()>& answer) {
    answer();
    WaitFor([&] { return !IsWindow(dialog.window) || !IsWindowVisible(dialog.window) || !IsWindowEnabled(dialog.window); },
            5000);
}

void PressEscape(const Dialog& dialog) {
    const LRESULT defaultButton = SendMessageA(dialog.window, DM_GETDEFID, 0, 0);
    HWND target = HIWORD(defaultButton) == DC_HASDEFID ? GetDlgItem(dialog.window, LOWORD(defaultButton)) : dialog.window;
    PostMessageA(target != nullptr ? target : dialog.window, WM_KEYDOWN, VK_ESCAPE, 0);
}
