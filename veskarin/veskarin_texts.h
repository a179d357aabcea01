#pragma once
#include "texts/message.h"

// Every message of the icon inspector that is not the search's own
// (texts/search_messages.h) or a change in place's (texts/change_messages.h), English and Japanese side by side.
namespace veskarin_texts {

// Showing an icon.
extern const Message kSourceUnreadable;        // "Unable to open a source file."
extern const Message kTemporaryNotWritten;
extern const Message kTargetUnreadable;        // ReadIconSize

// Mask colour.
extern const Message kColorDialogFailed;

// Open.
extern const Message kOpenMyself;
extern const Message kOpenWrongExtension;

// Save As.
extern const Message kTargetNotMade;

using Pair = TextPair;
extern const Pair kReplaceableLine;   // "Replaceable Icon : "
extern const Pair kSelectedLine;      // "\nSelected Icon : "
extern const Pair kReplaceTitle;

}  // namespace veskarin_texts
