#pragma once
#include <windows.h>

#include "fileops/in_place_change.h"
#include "inspector/opened_file.h"
#include "inspector/replace_dialog.h"

// The inspectors' Replace, for the current entry of an image of the open
// file (not in file mode): the dialog, the chosen image checked by `check`,
// the change in place (backup first), the image shown again by `showChanged`
// and "saved as".
struct ReplaceSteps {
    ReplacementCheck check;
    void (*showChanged)(HWND window);
    bool showAfterRefusal;  // a refused change shows the image again too
};

void ReplaceCurrentImage(HWND window, const ReplaceDialog& dialog, const OpenedFile& file,
                         const ReplaceSteps& steps);
