#include <windows.h>

#include "fileops/gallery_save.h"
#include "frame/about.h"
#include "frame/icon_kinds_option.h"
#include "frame/shell.h"
#include "gallery/save_command.h"
#include "gallery/window.h"
#include "imaging/ico_layout.h"
#include "imaging/icon_render.h"
#include "mordelix/mordelix_state.h"

IconGallery icons;

namespace {

constexpr BarButtonPlace kButtons[] = {
    {110, "Gap", 0, 16, 0, true},          {111, "Mask", 16, 32, 101, false},  {112, "Open", 48, 32, 102, false},
    {113, "Prev", 80, 32, 103, true},      {114, "Next", 112, 32, 104, true},  {115, "SaveAll", 144, 32, 105, true},
    {116, "SaveAs", 176, 32, 106, true},   {117, "About", 208, 32, 107, false}, {118, "Help", 240, 32, 108, false},
    {119, "Exit", 272, 32, 109, false},    {120, "Space", 304, 0, 0, true},
};

constexpr LabelText kLabels[] = {
    {"Mask Color", "マスクの色"}, {"Open", "オープン"},     {"Previous", "前へ"},
    {"Next", "次へ"},             {"Save All", "全部保存"}, {"Save As", "個別保存"},
    {"About", "御案内"},          {"Help", "ヘルプ"},       {"Exit", "終了"},
};

const GallerySaveKind kIconSave{
    &kIconSaveRules, &gallery_texts::kIconSaveTexts,
    BuildIconFile,
    [](int first, int last) { return IconSaveRoom(last - first + 1); },
};

void OnCommand(HWND window, int command) {
    switch (command) {
        case 101: MaskColorCommand(window); break;
        case 102: ClearSelection(window); OpenSourceFile(window); break;
        case 103: ClearSelection(window); PreviousPage(window); break;
        case 104: ClearSelection(window); NextPage(window); break;
        case 105: SaveGalleryImages(window, kIconSave, true); break;
        case 106: SaveGalleryImages(window, kIconSave, false); break;
        case 107: ShowAbout(window); break;
        case 108: OpenReadme(window); break;
        case 109: ShutDown(window); break;
    }
}

const SystemMenuItem kMenuItems[] = {AllIconKindsMenuItem(SwitchIconKinds)};

const ProgramDescription kMordelix{
    "MORDELIX", "Coravel", "Coravel (for EXE/DLL)", "コラヴェル (for EXE/DLL)", "", "MORDELIX.EXE", "MORDELIE.PDF",
    "MORDELIJ.PDF", false, false,
    kButtons, static_cast<int>(sizeof kButtons / sizeof kButtons[0]), kLabels, 9, 20, 0, 3,
    OnCommand, nullptr, kMenuItems, 1,
};

const GalleryDescription kIconGallery{
    false, 430, 308, PaintIconPage, ReleaseIconPage,
    // The icon as the inspector shows it: its mask in the mask colour.
    [](ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& bmp) {
        return RenderIconDisplayCopy(file, entry, icons.mask.color, bmp);
    },
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunGallery(instance, showCommand, kMordelix, kIconGallery);
}
