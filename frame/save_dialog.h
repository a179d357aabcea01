#pragma once
#include <windows.h>

#include "texts/message.h"

// The Save As dialog of all four programs and the checks of the chosen name:
// another extension asks again; in the inspectors a removable or remote drive
// ends the command (the galleries test the drive after the dialog).
struct SaveRules {
    const char* filter;            // the dialog's filter pairs
    const char* defaultExtension;  // "BMP": added to a name typed without one
    const char* extension;         // ".BMP": the only one accepted, in any case
    const TextPair* title;
    const Message* wrongExtension;
};

extern const SaveRules kIconSaveRules;
extern const SaveRules kBitmapSaveRules;

// The chosen path in `path` (kPathSize bytes), or false when the dialog was
// left or the choice refused, its message shown. The inspectors refuse a
// removable or remote drive here and repaint their Save As button; the
// galleries test the drive after the dialog.
bool ChooseSavePath(HWND window, const SaveRules& rules, bool inspector, char* path);
