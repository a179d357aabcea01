#include <windows.h>

#include <string>

#include "fileops/bitmap_replacement.h"
#include "fileops/file_system.h"
#include "frame/frame_state.h"
#include "imaging/bmp_description.h"
#include "inspector/replace_command.h"
#include "peltrane/commands.h"
#include "peltrane/peltrane_state.h"
#include "peltrane/peltrane_texts.h"
#include "peltrane/resource_ids.h"

namespace {

using namespace peltrane_texts;

bool DescribeBmpPath(const char* path, std::string& words) {
    FileSource bmp(path);
    return bmp.IsOpen() && DescribeBmpFile(bmp, words);
}

}  // namespace

void ReplaceBitmapCommand(HWND window) {
    const bool j = frame.japanese;
    const ReplaceDialog dialog{"Bitmap (*.bmp)\0*.bmp\0",
                               kReplaceTitle.Text(j),
                               j ? kReplacePanelJ : kReplacePanel,
                               kReplaceableEdit,
                               kSelectedEdit,
                               ChangeKind::BitmapReplace,
                               &kOpenMyself,
                               kReplaceableLine.Text(j),
                               kSelectedLine.Text(j),
                               DescribeBmpPath,
                               inspector.shownWords};
    // A refused change shows the bitmap again as the file now is (its title).
    ReplaceCurrentImage(window, dialog, inspector.file, {CheckBitmapReplacement, ShowNewBitmap, true});
}
