#pragma once
#include <cstdint>
#include <string>

#include "fileops/display_copy_file.h"
#include "imaging/dib_validation.h"
#include "texts/message.h"

// The BMP reader's messages; nullptr for Ok. The bad-magic text holds
// "%04x": fill it with BadMagicText.
const Message* DibMessage(DibStatus status);
std::string BadMagicText(uint16_t magic, bool inJapanese);

// The messages of writing a display copy; nullptr when it was written.
enum class DisplayCopyKind { Icon, Bitmap };
const Message* DisplayCopyMessage(DisplayCopyKind kind, DisplayCopyResult result);

// The open file cannot be read: "source" in the icon programs and the
// galleries, "target" in the bitmap inspector and when an image's size is
// read. A temporary bitmap file (a display copy or a gallery's page) cannot
// be made.
const Message& SourceUnreadableMessage();
const Message& TargetUnreadableMessage();
const Message& TemporaryNotMadeMessage(DisplayCopyKind kind);

// Writing image files: a target that cannot be made, and the galleries'
// report after saving every image.
const Message& TargetNotMadeMessage();
const Message& SavedAllMessage(DisplayCopyKind kind);
