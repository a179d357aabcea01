#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "frame/frame_state.h"
#include "imaging/icon_render.h"
#include "inspector/opened_file.h"

// The icon inspector's own state, for the whole run.
struct IconInspector {
    OpenedFile file;             // fileMode: an .ico file, shown itself
    ColorRef maskColor = kDefaultMaskColor;
    int maskIndex = 0;
    int64_t icoFileSize = 0;
    std::string replaceableInfo;    // the middle of the title: "32 x 32 x 16 (766 Bytes)"
};

extern IconInspector inspector;
