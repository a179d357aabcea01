#pragma once
#include <windows.h>

// The message loop's keys for the main window and its bar: a key of a
// command runs the command of its bar button, exactly when that button is
// enabled, as a click would (the hover label a click leaves is not shown);
// Ctrl+C copies the picture. True when the message was such a key.
bool RunCommandKey(const MSG& message);
