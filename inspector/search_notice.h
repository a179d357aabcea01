#pragma once
#include <windows.h>

#include <functional>

#include "scan/image_scanner.h"

// The notices of a search, which processes no messages while it runs: the
// program's name as the title, the main window topmost, the please-wait box
// and the wait cursor. When `scan` has returned, the box goes, the arrow comes
// back, the outcome's message is shown (`fileMode`: the open file is itself
// an image file) and the window stops being topmost.
ScanResult SearchWithNotices(HWND window, SearchKind kind, bool fileMode, const std::function<ScanResult()>& scan);
