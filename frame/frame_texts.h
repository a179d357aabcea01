#pragma once
#include "texts/message.h"

// The frame's own messages, shared by the four programs.
namespace frame_texts {
extern const Message kDibHeaderShort;
extern const Message kDibBadMagic;        // format: the 16-bit bfType
extern const Message kDibNoMemory;
extern const Message kDibShort;
extern const Message kDibBadInfoSize;
extern const Message kInspectorDialogFailed;  // the About box cannot be shown
extern const Message kGalleryDialogFailed;
// Save As and the changes in place.
extern const Message kNoFreeSpace;
extern const Message kSaveDialogFailed;  // format: the error code
extern const Message kSaveRemovable;
extern const Message kOverwrite;
// Help, in both inspectors (one readme).
extern const Message kInspectorReadmeMissing;
extern const Message kInspectorReadmeNoViewer;
// The inspectors' Open.
extern const Message kOpenDialogFailed;  // format: the error code
extern const Message kOpenRemovable;
extern const TextPair kOpenTitle;
}  // namespace frame_texts
