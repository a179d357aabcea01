#include <windows.h>

#include "frame/about.h"
#include "frame/frame_state.h"
#include "frame/icon_kinds_option.h"
#include "frame/shell.h"
#include "inspector/image_view.h"
#include "inspector/window.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"

namespace {

constexpr BarButtonPlace kButtons[] = {
    {111, "Gap", 0, 16, 0, true},         {112, "Mask", 16, 32, 100, false},  {113, "Open", 48, 32, 101, false},
    {114, "Prev", 80, 32, 102, true},     {115, "Next", 112, 32, 103, true},  {116, "ZmOut", 144, 32, 104, true},
    {117, "ZmIn", 176, 32, 105, true},    {118, "SaveAs", 208, 32, 106, true}, {119, "Replc", 240, 32, 107, true},
    {120, "About", 272, 32, 108, false},  {121, "Help", 304, 32, 109, false}, {122, "Exit", 336, 32, 110, false},
    {123, "Space", 368, 0, 0, true},
};

constexpr LabelText kLabels[] = {
    {"Mask Color", "マスクの色"}, {"Open", "オープン"}, {"Previous", "前へ"}, {"Next", "次へ"},
    {"Zoom Out", "縮小"},         {"Zoom In", "拡大"},  {"Save As", "保存"}, {"Replace", "置換"},
    {"About", "御案内"},          {"Help", "ヘルプ"},   {"Exit", "終了"},
};

// Hover numbers of the navigation and zoom buttons: the label of the one just
// pressed is drawn again after the repaint.
enum { kPreviousHover = 3, kNextHover, kZoomOutHover, kZoomInHover };

void OnCommand(HWND window, int command) {
    switch (command) {
        case 100: MaskColorCommand(window); break;
        case 101:
            OpenCommand(window);
            LayoutScrollBars(window);
            break;
        case 102: frame.hoverButton = kPreviousHover; PreviousIcon(window); break;
        case 103: frame.hoverButton = kNextHover; NextIcon(window); break;
        case 104: frame.hoverButton = kZoomOutHover; StepZoom(window, inspector.file, -1, ReadCurrentSize); break;
        case 105: frame.hoverButton = kZoomInHover; StepZoom(window, inspector.file, +1, ReadCurrentSize); break;
        case 106: SaveIconCommand(window); break;
        case 107: ReplaceIconCommand(window); break;
        case 108: ShowAbout(window); break;
        case 109: OpenReadme(window); break;
        case 110: ShutDown(window); break;
    }
}

const SystemMenuItem kMenuItems[] = {AllIconKindsMenuItem(SwitchIconKinds)};

const ProgramDescription kVeskarin{
    "VESKARIN", "Arv_elle", "Arvelle", "アルヴェル", "Icon [ ", "VESKARIN.EXE", "TORMALE_E.PDF", "TORMALE_J.PDF",
    true, false,
    kButtons, static_cast<int>(sizeof kButtons / sizeof kButtons[0]), kLabels, 11, 19, -1, kPreviousHover,
    OnCommand, nullptr, kMenuItems, 1,
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunInspector(instance, showCommand, kVeskarin);
}
