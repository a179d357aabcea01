#pragma once
#include "texts/image_messages.h"
#include "texts/message.h"

// The messages of the two galleries, English and Japanese side by side. The
// searches' own messages are texts/search_messages.h.
namespace gallery_texts {

// Open.
extern const Message kOpenWrongExtension;
extern const Message kNoRoomForPicture;     // the page picture or a thumbnail's file

// Pages.
// A source that cannot be read and a page that cannot be made:
// texts/image_messages.h.
extern const Message kPageNotOpened;
extern const Message kPageNotRead;

// Save As and Save All.
extern const Message kSaveNotHardDisk;
// The dialog's failure, too little space and an overwrite confirmation that
// cannot be shown: the frame's texts (frame/frame_texts.h).
// A target that cannot be written: TargetNotMadeMessage (texts/image_messages.h).

// The words that name the kind of image saved; the report of a run that
// wrote every file is SavedAllMessage (texts/image_messages.h) of `kind`.
struct SaveTexts {
    Message nothingSaved;
    Message interrupted;
    DisplayCopyKind kind;
};
extern const SaveTexts kIconSaveTexts;
extern const SaveTexts kBitmapSaveTexts;
// The Save As dialog's title and wrong extension: frame/frame_texts.h.

}  // namespace gallery_texts
