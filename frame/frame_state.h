#pragma once
#include <windows.h>

#include "frame/dib_image.h"
#include "frame/program.h"

constexpr int kPathSize = 258;
constexpr int kBarRows = 20;       // client rows of the button bar
constexpr int kLabelRows = 30;     // the largest hover label (its saved background)
constexpr int kLabelColumns = 130;

// What the frame needs to know of the tool to enable its buttons.
struct ToolView {
    bool imagePresent = false;  // an image of the open file is shown
    int currentIndex = -1;
    int lastIndex = -1;
    bool fileMode = false;      // the open file is itself an image file
};

// The process-wide state of the frame; every program has exactly one.
struct FrameState {
    const ProgramDescription* program = nullptr;
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND barWindow = nullptr;
    HWND modelessDialog = nullptr;

    int screenWidth = 0, screenHeight = 0;
    int windowX = 0, windowY = 0, windowWidth = 0, windowHeight = 0;
    int minHeightBase = 0, hScrollHeight = 0, vScrollWidth = 0;
    int barHeight = 0, barWidth = 0;

    int osVariant = 0;
    bool osVariantKnown = false;
    bool japanese = false;  // UiLanguage 1
    int viewMode = 0;       // 0 start-up picture, 1 image
    HDC startupDC = nullptr;
    HBITMAP startupBitmap = nullptr;
    HGDIOBJ startupOldBitmap = nullptr;
    bool anotherInstance = false;

    char programPath[kPathSize] = {};
    char readmePath[kPathSize] = {};
    char displayCopyPath[kPathSize] = {};

    // Image view.
    int zoomFactor = 1;
    int imageWidth = 0, imageHeight = 0;
    int hScrollPos = 0, vScrollPos = 0;
    int lastHScrollPos = 0, lastVScrollPos = 0;
    bool hBarShown = false, vBarShown = false;
    HWND hScrollBar = nullptr, vScrollBar = nullptr, sizeGrip = nullptr;

    // Hover label.
    int hoverButton = 0;
    RECT labelRect{};

    DibImage dib;
    ToolView tool;
};

extern FrameState frame;

// The display name in the user's language.
const char* DisplayName();
