#include <windows.h>

#include "frame/frame_state.h"
#include "frame/frame_texts.h"
#include "frame/mask_color_dialog.h"
#include "frame/message_box.h"
#include "veskarin/commands.h"
#include "veskarin/resource_ids.h"
#include "veskarin/veskarin_state.h"

void MaskColorCommand(HWND window) {
    MaskChoice choice{inspector.maskColor, inspector.maskIndex};
    const MaskDialogResult result = ChooseMaskColor(window, kColorCombo, choice);
    if (result == MaskDialogResult::Failed) {
        ShowMessage(window, frame_texts::kMaskColorDialogFailed);
        return;
    }
    inspector.maskColor = choice.color;
    inspector.maskIndex = choice.index;
    if (result == MaskDialogResult::Chosen && frame.viewMode == 1 && inspector.file.HasImage()) ShowCurrentIconAgain(window);
}
