#pragma once
#include "texts/image_messages.h"
#include "texts/message.h"

// The messages of the two galleries, English and Japanese side by side. The
// searches' own messages are texts/search_messages.h.
namespace gallery_texts {

// Open.
extern const Message kOpenMyself;
extern const Message kOpenWrongExtension;
extern const Message kNoRoomForPicture;     // the page picture or a thumbnail's file

// Pages.
extern const Message kSourceUnreadable;
extern const Message kIconPageNotMade;      // "Unable to make a temporary bitmap file."
extern const Message kThumbnailNotMade;     // "Cannot make a temporary bitmap file."
extern const Message kPageNotOpened;
extern const Message kPageNotRead;
extern const Message kColorDialogFailed;

// Save As and Save All.
extern const Message kSaveDialogFailed;     // format: the error code
extern const Message kSaveNotHardDisk;
extern const Message kSaveNoFreeSpace;
extern const Message kConfirmFailed;        // shown without owner, system-modal
// A target that cannot be written: TargetNotMadeMessage (texts/image_messages.h).

// The words that name the kind of image saved; the report of a run that
// wrote every file is SavedAllMessage (texts/image_messages.h) of `kind`.
struct SaveTexts {
    Message wrongExtension;
    Message nothingSaved;
    Message interrupted;
    DisplayCopyKind kind;
};
extern const SaveTexts kIconSaveTexts;
extern const SaveTexts kBitmapSaveTexts;

extern const TextPair kIconSaveTitle;
extern const TextPair kBitmapSaveTitle;

}  // namespace gallery_texts
