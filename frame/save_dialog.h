#pragma once
#include <windows.h>

#include "texts/message.h"

// The inspectors' Save As dialog and the checks of the chosen name: a
// removable or remote drive ends the command, another extension asks again.
struct SaveRules {
    const char* filter;            // the dialog's filter pairs
    const char* defaultExtension;  // "BMP": added to a name typed without one
    const char* extension;         // ".BMP": the only one accepted, in any case
    const TextPair* title;
    const Message* wrongExtension;
};

// The chosen path in `path` (kPathSize bytes), or false when the dialog was
// left or the choice refused, its message shown.
bool ChooseSavePath(HWND window, const SaveRules& rules, char* path);
