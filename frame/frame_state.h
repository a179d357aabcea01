#pragma once
#include <windows.h>

#include "frame/program.h"

constexpr int kPathSize = 258;
constexpr int kBarRows = 20;       // client rows of the button bar
constexpr int kLabelRows = 30;     // the largest hover label (its saved background)
constexpr int kLabelColumns = 130;

// The process-wide state of the frame; every program has exactly one.
struct FrameState {
    const ProgramDescription* program = nullptr;
    const ProgramFamily* family = nullptr;
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND barWindow = nullptr;
    HWND modelessDialog = nullptr;

    int screenWidth = 0, screenHeight = 0;
    int windowX = 0, windowY = 0, windowWidth = 0, windowHeight = 0;
    int barHeight = 0, barWidth = 0;

    int osVariant = 0;
    bool osVariantKnown = false;
    bool japanese = false;  // UiLanguage 1
    int viewMode = 0;       // 0 start-up picture, 1 image
    bool anotherInstance = false;

    char programPath[kPathSize] = {};
    char readmePath[kPathSize] = {};
    char displayCopyPath[kPathSize] = {};

    // Hover label.
    int hoverButton = 0;
    RECT labelRect{};
};

extern FrameState frame;

// The display name in the user's language.
const char* DisplayName();
