#include <windows.h>

#include "frame/frame_state.h"
#include "frame/mask_color_dialog.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/veskarin_state.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_texts.h"

void MaskColorCommand(HWND window) {
    MaskChoice choice{inspector.maskColor, inspector.maskIndex};
    const MaskDialogResult result = ChooseMaskColor(window, kColorCombo, choice);
    if (result == MaskDialogResult::Failed) {
        ShowMessage(window, veskarin_texts::kColorDialogFailed);
        return;
    }
    inspector.maskColor = choice.color;
    inspector.maskIndex = choice.index;
    if (result == MaskDialogResult::Chosen && frame.viewMode == 1 && inspector.HasImage()) ShowCurrentIconAgain(window);
}
