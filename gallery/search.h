#pragma once
#include <windows.h>

#include "gallery/progress_box.h"
#include "scan/image_scanner.h"

// The galleries' search of their source file with the progress box up
// (`more`: the box says "more" once the file is passed); icons of all kinds
// while the icon programs' option says so. After a full search the box and
// the wait cursor stay, for the page that follows; otherwise they go before
// the outcome's message.
ScanResult SearchGallerySource(HWND window, ProgressBox& box, SearchKind kind, bool more, ByteSource& file);
