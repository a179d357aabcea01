#pragma once
#include <windows.h>

#include "frame/dib_image.h"

constexpr int kStartupWidth = 253;  // the inspectors' start-up picture
constexpr int kStartupHeight = 221;

// What the view needs to know of the tool to enable its buttons.
struct ToolView {
    bool imagePresent = false;  // an image of the open file is shown
    int currentIndex = -1;
    int lastIndex = -1;
    bool fileMode = false;      // the open file is itself an image file
};

// The image area's state, for the whole run.
struct InspectorView {
    HDC startupDC = nullptr;
    HBITMAP startupBitmap = nullptr;
    HGDIOBJ startupOldBitmap = nullptr;

    int zoomFactor = 1;
    int imageWidth = 0, imageHeight = 0;
    int hScrollPos = 0, vScrollPos = 0;
    int lastHScrollPos = 0, lastVScrollPos = 0;
    bool hBarShown = false, vBarShown = false;
    HWND hScrollBar = nullptr, vScrollBar = nullptr, sizeGrip = nullptr;
    int minHeightBase = 0, hScrollHeight = 0, vScrollWidth = 0;  // system metrics

    DibImage dib;
    ToolView tool;
};

extern InspectorView view;
