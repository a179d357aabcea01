#pragma once
#include "texts/message.h"

// The frame's own messages, shared by the four programs.
namespace frame_texts {
extern const Message kInspectorDialogFailed;  // the About box cannot be shown
extern const Message kGalleryDialogFailed;    // and the overwrite confirmation
// Save As and the changes in place.
extern const Message kNoFreeSpace;
extern const Message kSaveDialogFailed;  // format: the error code
extern const Message kSaveRemovable;
// The Save As dialog of an icon and of a bitmap, in all four programs.
extern const TextPair kIconSaveTitle;
extern const TextPair kBitmapSaveTitle;
extern const Message kIconSaveWrongExtension;
extern const Message kBitmapSaveWrongExtension;
// Help; format: the readme's name in the user's language.
extern const Message kReadmeMissing;
extern const Message kReadmeNoViewer;
// Open in the icon inspector and the galleries (the bitmap inspector has its own words).
extern const Message kOpenMyself;
// The mask colour dialog of the two icon programs.
extern const Message kMaskColorDialogFailed;
// Their system menu's check item "Include 32-bit and PNG icons".
extern const TextPair kAllIconKindsItem;
// Open, in all four programs.
extern const Message kOpenDialogFailed;  // format: the error code
extern const Message kOpenRemovable;
extern const TextPair kOpenTitle;
// Copy (the system menu's item and Ctrl+C).
extern const TextPair kCopyItem;
extern const Message kCopyFailed;
}  // namespace frame_texts
