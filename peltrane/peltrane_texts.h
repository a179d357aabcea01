#pragma once
#include "texts/message.h"

// Every message of the bitmap inspector that is not the search's own
// (texts/search_messages.h), a display copy's (texts/image_messages.h) or a
// change in place's (texts/change_messages.h), English and Japanese side by side.
namespace peltrane_texts {

// Showing a bitmap.
extern const Message kDisplaySourceUnreadable;  // format: the open file's path

// Questions before an unsaved palette change is given up.
extern const Message kLeaveForNext;     // Previous and Next
extern const Message kLeaveForOpen;
extern const Message kLeaveForClose;    // the editor's Close
extern const Message kLeaveForExit;

// Open.
extern const Message kOpenMyself;
extern const Message kOpenWrongExtension;

// Save As.
extern const Message kSaveColorChanged;  // "Do you save a color changed bitmap?"
extern const Message kSaveWrongExtension;

// Replace.
extern const Message kReplaceDialogFailed;  // format: the error code
extern const Message kReplaceConfirmation;  // caption only: the text is built

using Pair = TextPair;
extern const Pair kReplaceableLine;  // "Replaceable Bitmap : "
extern const Pair kSelectedLine;     // "\nSelected Bitmap : "
extern const Pair kSaveTitle;        // the file dialogs' titles
extern const Pair kReplaceTitle;
extern const Pair kReplaceButton;    // "Replace(&O)"
extern const Pair kNoMoreChange;     // the palette editor's status line at 299 changes

}  // namespace peltrane_texts
