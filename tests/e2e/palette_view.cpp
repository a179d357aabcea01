#include "tests/e2e/palette_view.h"

namespace {

// The editor's buttons (PALETTESET_DLG).
enum { kClose = 2, kUndo = 130, kSave = 138 };

}  // namespace

RECT PaletteChipArea(HWND editor) {
    auto place = [&](int id) {
        RECT r;
        GetWindowRect(GetDlgItem(editor, id), &r);
        MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const RECT save = place(kSave), close = place(kClose), undo = place(kUndo);
    const double perX = (close.left - save.left) / 100.0;  // Save at x 10, Close at x 110
    const double perY = (save.top - undo.top) / 27.0;      // Undo at y 135, Save at y 162
    return {save.left, save.top + static_cast<int>(28 * perY), save.left + static_cast<int>(151 * perX),
            save.top + static_cast<int>(128 * perY)};
}
