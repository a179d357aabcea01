#include "frame/system_menu.h"

#include "frame/busy.h"
#include "frame/clipboard.h"
#include "frame/frame_state.h"
#include "frame/frame_texts.h"

namespace {

// The frame's own item, in every program: the picture onto the clipboard.
const SystemMenuItem kCopy{0x0110, frame_texts::kCopyItem, CopyPicture, CanCopyPicture, nullptr};

template <typename Visit>
void ForEachItem(Visit visit) {
    visit(kCopy);
    for (int i = 0; i < frame.program->menuItemCount; ++i) visit(frame.program->menuItems[i]);
}

}  // namespace

void AddSystemMenuItems(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ForEachItem([&](const SystemMenuItem& item) {
        AppendMenuA(menu, MF_STRING, item.id, item.label.Text(frame.japanese));
    });
}

void UpdateSystemMenuItems(HMENU menu) {
    ForEachItem([&](const SystemMenuItem& item) {
        const bool enabled = item.enabled == nullptr || item.enabled();
        EnableMenuItem(menu, item.id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        if (item.checked != nullptr)
            CheckMenuItem(menu, item.id, MF_BYCOMMAND | (item.checked() ? MF_CHECKED : MF_UNCHECKED));
    });
}

bool ChooseSystemMenuItem(HWND window, WPARAM command) {
    const UINT id = static_cast<UINT>(command & 0xFFF0);
    bool chosen = false;
    ForEachItem([&](const SystemMenuItem& item) {
        if (chosen || item.id != id) return;
        chosen = true;
        CommandScope running;
        if (item.enabled == nullptr || item.enabled()) item.choose(window);
    });
    return chosen;
}
