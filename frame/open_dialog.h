#pragma once
#include <windows.h>

#include <string>

#include "texts/message.h"

// The programs' Open: the file dialog and the checks of the choice, in
// their order (own file, drive, extension, existence).
struct OpenRules {
    const char* filter;          // the dialog's filter pairs
    const char* imageExtension;  // ".ICO" or ".BMP", accepted beside ".EXE" and ".DLL"; the galleries: nullptr
    const Message* ownFile;      // the inspectors word this one differently
    const Message* wrongExtension;
};

// Shows the dialog until an acceptable file is chosen (a wrong extension or a
// missing file asks again). Returns the chosen path, or "" when the dialog was
// left or the choice refused, its message shown. While Open runs for a file
// dropped on the window, that file is the choice, without the dialog. Nothing of the open file is
// touched either way: the caller commits to the new file only once its search
// has accepted it.
std::string ChooseFileToOpen(HWND window, const OpenRules& rules);

// Case-insensitive comparison of the end of a path with an extension (".EXE").
bool HasExtension(const std::string& path, const char* extension);
