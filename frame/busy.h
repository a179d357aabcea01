#pragma once
#include <windows.h>

// While a command runs (its modal dialogs and message boxes, a search that
// processes no messages), a file dropped on the main window is ignored: the
// command in progress is not interrupted by another Open. A scope per
// command; when the outermost ends, drops that waited in the queue are
// thrown away.
class CommandScope {
public:
    CommandScope();
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
};

// A command or a modal dialog of the main window is running now.
bool CommandRunning(HWND mainWindow);

// Both main windows' WM_COMMAND (a bar button, a key, a drop): the hover
// label goes, the program's command runs in its scope.
void RunCommand(HWND window, WPARAM wParam);
