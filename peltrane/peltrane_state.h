#pragma once
#include <windows.h>

#include <string>

#include "imaging/palette_history.h"
#include "inspector/opened_file.h"

// The bitmap inspector's own state, for the whole run.
struct BitmapInspector {
    OpenedFile file;      // fileMode: a .bmp file, shown itself
    std::string shownWords;  // the middle of the title: "64 x 48 x 256 RLE (3178 Bytes)"
};

// The palette editor's model: the history of the shown bitmap's palette and
// the editor window while it is open.
struct PaletteState {
    PaletteHistory history;
    HWND editor = nullptr;  // PALETTESET_DLG while open (editorOpen)
    bool editable = false;  // the shown bitmap's palette may be edited
    std::string status;     // the editor's status line

    bool Open() const { return editor != nullptr; }
    bool HasChange() const { return Open() && history.ChangeCount() >= 1; }
    bool HasUnsavedChange() const { return Open() && history.HasUnsavedChange(); }
};

extern BitmapInspector inspector;
extern PaletteState palette;
