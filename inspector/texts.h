#pragma once
#include "texts/message.h"

// The inspectors' own messages, shared by the icon and the bitmap inspector.
namespace inspector_texts {
extern const Message kShownFileUnreadable;  // format: the open file's path
extern const Message kOverwrite;            // Save As onto a file that exists
// Replace.
extern const Message kReplaceDialogFailed;  // format: the error code
extern const Message kReplaceConfirmation;  // caption only: the text is built
extern const TextPair kReplaceButton;       // "Replace(&O)"
}  // namespace inspector_texts
