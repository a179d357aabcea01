#pragma once
#include "scan/image_scanner.h"
#include "texts/message.h"

// The message each search shows for its outcome, or nullptr when it shows
// none (images found). `fileMode`: the open file is an .ico file (icon
// inspector) or a .bmp file (bitmap inspector).
const Message* SearchMessage(SearchKind kind, ScanOutcome outcome, bool fileMode);
