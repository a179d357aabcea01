#include "inspector/save_target.h"

#include "frame/frame_texts.h"
#include "frame/guards.h"
#include "frame/message_box.h"
#include "inspector/texts.h"

bool ChooseSaveTarget(HWND window, const SaveRules& rules, uint64_t bytes, char* path) {
    if (!ChooseSavePath(window, rules, true, path)) return false;
    if (!HasFreeSpace(path, bytes)) {
        ShowMessage(window, frame_texts::kNoFreeSpace);
        return false;
    }
    return !FileExists(path) || ShowMessage(window, inspector_texts::kOverwrite) == IDYES;
}
