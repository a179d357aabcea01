#include <windows.h>

#include <string>
#include <vector>

#include "fileops/bitmap_replacement.h"
#include "fileops/file_system.h"
#include "fileops/in_place_change.h"
#include "frame/change_in_place.h"
#include "frame/frame_state.h"
#include "frame/message_box.h"
#include "frame/replace_dialog.h"
#include "imaging/bmp_description.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "peltrane/resource_ids.h"
#include "texts/change_messages.h"

namespace {

using namespace peltrane_texts;

bool DescribeBmpPath(const char* path, std::string& words) {
    FileSource bmp(path);
    return bmp.IsOpen() && DescribeBmpFile(bmp, words);
}

// The in-place write, after the user confirmed it. The file is either fully
// changed or left as it was; the backup is made first. The table stays: the
// new bitmap has the old one's place and sizes.
void ReplaceBitmap(HWND window, const char* bmpPath) {
    std::vector<uint8_t> image;
    if (!ReadReplacement(window, ChangeKind::BitmapReplace, inspector.openPath, inspector.Current(), bmpPath, CheckBitmapReplacement, image))
        return;
    const InPlaceChange change = ChangeFileInPlace(window, ChangeKind::BitmapReplace, inspector.openPath,
                                                   inspector.fileSize, inspector.Current().headerOffset, image);
    // Shown again from the file as it now is (after a refusal too: the title).
    ShowNewBitmap(window);
    if (change.done) ShowMessageFormatted(window, SavedAsMessage(), change.backupName.c_str());
}

}  // namespace

void ReplaceBitmapCommand(HWND window) {
    if (!inspector.HasImage() || inspector.bmpFileMode) return;
    const bool j = frame.japanese;
    ReplaceDialog dialog{"Bitmap (*.bmp)\0*.bmp\0",
                         kReplaceTitle.Text(j),
                         kReplaceButton.Text(j),
                         j ? kReplacePanelJ : kReplacePanel,
                         kReplaceableEdit,
                         kSelectedEdit,
                         ChangeKind::BitmapReplace,
                         &kReplaceDialogFailed,
                         &kOpenMyself,
                         kReplaceableLine.Text(j),
                         kSelectedLine.Text(j),
                         &kReplaceConfirmation,
                         DescribeBmpPath,
                         inspector.shownWords};
    char path[kPathSize];
    if (ChooseReplacement(window, dialog, path)) ReplaceBitmap(window, path);
}
