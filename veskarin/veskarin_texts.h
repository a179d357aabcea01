#pragma once
#include "texts/message.h"

// Every message of the icon inspector that is not the search's own
// (texts/search_messages.h) or a change in place's (texts/change_messages.h), English and Japanese side by side.
namespace veskarin_texts {

// Showing an icon.
extern const Message kSourceUnreadable;        // "Unable to open a source file."
extern const Message kTemporaryNotWritten;
extern const Message kTargetUnreadable;        // ReadIconSize
extern const Message kDisplayCopyUnreadable;   // format: the open file's path

// Mask colour.
extern const Message kColorDialogFailed;

// Open.
extern const Message kOpenMyself;
extern const Message kOpenWrongExtension;

// Save As.
extern const Message kSaveWrongExtension;
extern const Message kTargetNotMade;

// Replace.
extern const Message kReplaceDialogFailed;     // format: the error code
extern const Message kReplaceConfirmation;     // text built from the parts below

using Pair = TextPair;
extern const Pair kReplaceableLine;   // "Replaceable Icon : "
extern const Pair kSelectedLine;      // "\nSelected Icon : "
extern const Pair kSaveTitle;         // the file dialogs' titles
extern const Pair kReplaceTitle;
extern const Pair kReplaceButton;     // "Replace(&O)"

}  // namespace veskarin_texts
