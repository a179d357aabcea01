#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "tests/e2e/desktop.h"

// A user's action carried out on a running program, followed to its end
// through every dialog it opens.

enum class DialogKind { File, Message, Confirm, Colour, Other };

struct Dialog {
    HWND window = nullptr;
    DialogKind kind = DialogKind::Other;
    std::string caption;
    std::string text;  // a message box's text
    std::string Describe() const;
};

// The dialog the user would answer now: the program's enabled dialog on top
// (not its main window, the palette editor, or a please-wait or progress box).
bool FindActiveDialog(const Program& program, HWND main, Dialog& dialog);

// The program answers a message at once (within `milliseconds`): it is not hung.
bool Answers(HWND window, int milliseconds = 5000);

// A message sent to the program as the user's action (a bar button's
// BM_CLICK, a click in the window) without waiting for it: the command it
// starts may open modal dialogs. Done() once the program has handled it.
class Command {
public:
    Command(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool Done() const;

private:
    ULONG_PTR id_;
};

// Follows `command` to its end. Each dialog the program shows meanwhile is
// handed to `answer`, which answers it (a button pressed, a file named).
// Throws SoakFailure when the program ends or hangs, or a dialog stays
// after its answer.
void FollowCommand(const Program& program, HWND main, const Command& command,
                   const std::function<void(const Dialog&)>& answer, int milliseconds = 120000);

// Waits up to `milliseconds` for a dialog of the program (one the program
// opens from a posted message); false when none came.
bool AwaitDialog(const Program& program, HWND main, Dialog& dialog, int milliseconds);

// Answers `dialog` with `answer` and waits until it has gone.
void AnswerAndWait(const Dialog& dialog, const std::function<void()>& answer);

// Escape typed in a dialog (on its focused button, as the keyboard would).
void PressEscape(const Dialog& dialog);
