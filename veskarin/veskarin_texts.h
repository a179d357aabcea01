#pragma once
#include "texts/message.h"

// The icon inspector's own words, English and Japanese side by side. The
// texts it shares with other programs are the frame's (frame/frame_texts.h),
// the inspectors' (inspector/texts.h), a search's (texts/search_messages.h),
// an image file's (texts/image_messages.h) and a change in place's
// (texts/change_messages.h).
namespace veskarin_texts {

// Open.
extern const Message kOpenWrongExtension;

// Replace.
using Pair = TextPair;
extern const Pair kReplaceableLine;   // "Replaceable Icon : "
extern const Pair kSelectedLine;      // "\nSelected Icon : "
extern const Pair kReplaceTitle;

}  // namespace veskarin_texts
