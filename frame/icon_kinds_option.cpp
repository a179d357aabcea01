#include "frame/icon_kinds_option.h"

#include "frame/frame_texts.h"

namespace {

constexpr UINT kAllIconKindsId = 0x0100;  // the same in both icon programs
bool allIconKinds = false;                // off at every start

}  // namespace

bool AllIconKindsIncluded() { return allIconKinds; }

void SwitchAllIconKinds() { allIconKinds = !allIconKinds; }

SystemMenuItem AllIconKindsMenuItem(void (*choose)(HWND window)) {
    return {kAllIconKindsId, frame_texts::kAllIconKindsItem, choose, nullptr, AllIconKindsIncluded};
}
