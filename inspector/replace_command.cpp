#include "inspector/replace_command.h"

#include <cstdint>
#include <vector>

#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "inspector/change_in_place.h"
#include "texts/change_messages.h"

void ReplaceCurrentImage(HWND window, const ReplaceDialog& dialog, const OpenedFile& file,
                         const ReplaceSteps& steps) {
    if (!file.HasImage() || file.fileMode) return;
    char path[kPathSize];
    if (!ChooseReplacement(window, dialog, path)) return;
    std::vector<uint8_t> image;
    if (!ReadReplacement(window, dialog.kind, file.openPath, file.Current(), path, steps.check, image)) return;
    // The table stays: the new image has the old one's place.
    const InPlaceChange change = ChangeFileInPlace(window, dialog.kind, file.openPath, file.fileSize,
                                                   file.Current().headerOffset, image);
    if (change.done || steps.showAfterRefusal) steps.showChanged(window);
    if (change.done) ShowMessageFormatted(window, SavedAsMessage(), change.backupName.c_str());
}
