#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/frame_state.h"
#include "imaging/icon_render.h"
#include "scan/found_image.h"

// The icon inspector's own state, for the whole run.
struct IconInspector {
    std::vector<FoundImage> table;  // IconTable: the entries of the last search
    int64_t fileSize = 0;
    int currentIndex = -1;          // -1: no table
    int lastIndex = -1;
    bool imagePresent = false;
    bool icoFileMode = false;
    std::string openPath;           // the file searched, rendered, saved from and replaced in
    ColorRef maskColor = kDefaultMaskColor;
    int maskIndex = 0;
    int64_t icoFileSize = 0;
    std::string replaceableInfo;    // the middle of the title: "32 x 32 x 16 (766 Bytes)"

    // The entry shown; only while an image of the open file is shown.
    const FoundImage& Current() const { return table[static_cast<size_t>(currentIndex)]; }
    bool HasImage() const {
        return imagePresent && currentIndex >= 0 && currentIndex < static_cast<int>(table.size());
    }
};

extern IconInspector inspector;

// Keeps the frame's view of the tool in step (buttons enabled by painting).
void PublishToolView();
