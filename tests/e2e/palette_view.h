#pragma once
#include <windows.h>

// Where PELTRANE's palette editor draws its chips, as the end-to-end and the
// random sessions click them.

// The chip grid (10, 190) - (161, 290) in dialog units, in the editor's client
// pixels. MapDialogRect does not reach into another process: the scale comes
// from the buttons, whose places in dialog units are known.
RECT PaletteChipArea(HWND editor);
