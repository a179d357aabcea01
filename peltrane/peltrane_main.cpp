#include <windows.h>

#include "frame/about.h"
#include "frame/frame_state.h"
#include "frame/shell.h"
#include "inspector/image_view.h"
#include "inspector/window.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"

namespace {

constexpr BarButtonPlace kButtons[] = {
    {112, "Gap", 0, 16, 0, true},         {113, "Open", 16, 32, 101, false},   {114, "Prev", 48, 32, 102, true},
    {115, "Next", 80, 32, 103, true},     {116, "ZmOut", 112, 32, 104, true},  {117, "ZmIn", 144, 32, 105, true},
    {118, "SaveAs", 176, 32, 106, true},  {119, "Replc", 208, 32, 107, true},  {120, "PlMode", 240, 32, 108, true},
    {121, "About", 272, 32, 109, false},  {122, "Help", 304, 32, 110, false},  {123, "Exit", 336, 32, 111, false},
    {124, "Space", 368, 0, 0, true},
};

constexpr LabelText kLabels[] = {
    {"Open", "オープン"},  {"Previous", "前へ"},    {"Next", "次へ"},      {"Zoom Out", "縮小"},
    {"Zoom In", "拡大"},   {"Save As", "個別保存"}, {"Replace", "置換"},   {"Palette Color", "ﾊﾟﾚｯﾄ･ｶﾗｰ"},
    {"About", "御案内"},   {"Help", "ヘルプ"},      {"Exit", "終了"},
};

// Hover numbers of the navigation and zoom buttons: the label of the one just
// pressed is drawn again after the repaint.
enum { kPreviousHover = 2, kNextHover, kZoomOutHover, kZoomInHover };

void OnCommand(HWND window, int command) {
    switch (command) {
        case 101:
            OpenCommand(window);
            LayoutScrollBars(window);
            break;
        case 102: frame.hoverButton = kPreviousHover; PreviousBitmap(window); break;
        case 103: frame.hoverButton = kNextHover; NextBitmap(window); break;
        case 104: frame.hoverButton = kZoomOutHover; StepZoom(window, inspector.file, -1, ReadCurrentDimensions); break;
        case 105: frame.hoverButton = kZoomInHover; StepZoom(window, inspector.file, +1, ReadCurrentDimensions); break;
        case 106: SaveBitmapCommand(window); break;
        case 107: ReplaceBitmapCommand(window); break;
        case 108: OpenPaletteEditor(window); break;
        case 109: ShowAbout(window); break;
        case 110: OpenReadme(window); break;
        case 111: ShutDown(window); break;
    }
}

bool MayClose(HWND window) { return MayLeavePaletteChange(window, peltrane_texts::kLeaveForExit); }

// The editor goes first; the main window is repainted without it.
void BeforeShutDown(HWND window) {
    if (!palette.Open()) return;
    DestroyPaletteEditor(window);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void OnUserMessage(HWND window, UINT offset) {
    if (offset == 0) SavePaletteCommand(window);
    if (offset == 1) CloseEditorAsked(window);
}

const ProgramHooks kHooks{MayClose, BeforeShutDown, OnSystemCommand, OnUserMessage, UpdatePaletteButton};

const ProgramDescription kPeltrane{
    "PELTRANE", "Dun_marra", "Dunmarra", "ダンマラ", "Bitmap [ ", "PELTRANE.EXE", "TORMALE_E.PDF", "TORMALE_J.PDF",
    true, true,
    kButtons, static_cast<int>(sizeof kButtons / sizeof kButtons[0]), kLabels, 11, 19, -1, kPreviousHover,
    OnCommand, &kHooks,
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunInspector(instance, showCommand, kPeltrane);
}
