#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/palette_history.h"
#include "scan/found_image.h"

// The bitmap inspector's own state, for the whole run.
struct BitmapInspector {
    std::vector<FoundImage> table;  // BitmapTable: the entries of the last search
    int64_t fileSize = 0;
    int currentIndex = -1;          // -1: no table
    int lastIndex = -1;
    bool imagePresent = false;
    bool bmpFileMode = false;       // the open file is a .bmp file: it is shown itself
    std::string openPath;           // the file searched, shown, saved from and changed in place
    std::string shownWords;         // the middle of the title: "64 x 48 x 256 RLE (3178 Bytes)"

    const FoundImage& Current() const { return table[static_cast<size_t>(currentIndex)]; }
    bool HasImage() const {
        return imagePresent && currentIndex >= 0 && currentIndex < static_cast<int>(table.size());
    }
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

// Keeps the frame's view of the tool in step (buttons enabled by painting).
void PublishToolView();
