#include <windows.h>

#include "fileops/gallery_save.h"
#include "frame/about.h"
#include "frame/shell.h"
#include "gallery/save_command.h"
#include "gallery/window.h"
#include "imaging/bmp_layout.h"
#include "zandovir/zandovir_state.h"

BitmapGallery bitmaps;

namespace {

constexpr BarButtonPlace kButtons[] = {
    {109, "Gap", 0, 16, 0, true},          {110, "Open", 16, 32, 101, false},   {111, "Prev", 48, 32, 102, true},
    {112, "Next", 80, 32, 103, true},      {113, "SaveAll", 112, 32, 104, true}, {114, "SaveAs", 144, 32, 105, true},
    {115, "About", 176, 32, 106, false},   {116, "Help", 208, 32, 107, false},  {117, "Exit", 240, 32, 108, false},
    {118, "Space", 272, 0, 0, true},
};

constexpr LabelText kLabels[] = {
    {"Open", "オープン"},     {"Previous", "前へ"}, {"Next", "次へ"},   {"Save All", "全部保存"},
    {"Save As", "個別保存"},  {"About", "御案内"},  {"Help", "ヘルプ"}, {"Exit", "終了"},
};

const GallerySaveKind kBitmapSave{
    &kBitmapSaveRules, &gallery_texts::kBitmapSaveTexts,
    [](ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& bmp) { return BuildBitmapFile(file, entry, bmp); },
    [](int first, int last) { return BitmapSaveRoom(gallery.table, first, last); },
};

void OnCommand(HWND window, int command) {
    switch (command) {
        case 101: ClearSelection(window); OpenSourceFile(window); break;
        case 102: ClearSelection(window); PreviousPage(window); break;
        case 103: ClearSelection(window); NextPage(window); break;
        case 104: SaveGalleryImages(window, kBitmapSave, true); break;
        case 105: SaveGalleryImages(window, kBitmapSave, false); break;
        case 106: ShowAbout(window); break;
        case 107: OpenReadme(window); break;
        case 108: ShutDown(window); break;
    }
}

const ProgramDescription kZandovir{
    "ZANDOVIR", "Estrivo", "Estrivo (for EXE/DLL)", "エストリヴォ (for EXE/DLL)", "", "ZANDOVIR.EXE", "ZANDOVIE.PDF",
    "ZANDOVIJ.PDF", false, false,
    kButtons, static_cast<int>(sizeof kButtons / sizeof kButtons[0]), kLabels, 8, 20, 0, 2,
    OnCommand,
};

const GalleryDescription kBitmapGallery{
    true, 440, 300, PaintBitmapPage, ReleaseBitmapPage,
    [](ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& bmp) { return BuildBitmapFile(file, entry, bmp); },
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunGallery(instance, showCommand, kZandovir, kBitmapGallery);
}
