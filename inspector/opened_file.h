#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scan/found_image.h"
#include "scan/image_scanner.h"

// The file an inspector has open and the table of its last search; both
// inspectors' states hold one.
struct OpenedFile {
    std::vector<FoundImage> table;  // the entries of the last search
    int64_t fileSize = 0;
    int currentIndex = -1;          // -1: no table
    int lastIndex = -1;
    bool imagePresent = false;
    bool fileMode = false;          // the open file is itself an image file (.ico, .bmp)
    std::string openPath;           // the file searched, shown, saved from and changed in place

    // The entry shown; only while an image of the open file is shown.
    const FoundImage& Current() const { return table[static_cast<size_t>(currentIndex)]; }
    bool HasImage() const {
        return imagePresent && currentIndex >= 0 && currentIndex < static_cast<int>(table.size());
    }
    // An entry of the table is current, shown or not (it may be one that
    // cannot be shown).
    bool HasEntry() const { return currentIndex >= 0 && currentIndex < static_cast<int>(table.size()); }
    // Previous and Next have an entry to go to.
    bool HasPrevious() const { return HasEntry() && currentIndex > 0; }
    bool HasNext() const { return HasEntry() && currentIndex < lastIndex; }
    // Keeps the view's record of the tool in step (buttons enabled by painting).
    void Publish() const;
};

// Before a search: no table and no image, the previous one wiped off.
void ForgetTable(HWND window, OpenedFile& file);
// After a search: its table, and true with the first entry current (zoom 1)
// when it found images to show.
bool TakeTable(OpenedFile& file, const ScanResult& result);
