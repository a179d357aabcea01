#pragma once

// The main window's first place and size: the inspectors 440 x 330, the
// galleries 8/10 of the screen, centred (a screen smaller than the window
// gives negative coordinates; the divisions truncate towards zero).
struct WindowRect {
    int x, y, width, height;
};

constexpr int kInspectorWidth = 440;
constexpr int kInspectorHeight = 330;

inline WindowRect MainWindowRect(int screenWidth, int screenHeight, bool inspector) {
    const int width = inspector ? kInspectorWidth : screenWidth * 8 / 10;
    const int height = inspector ? kInspectorHeight : screenHeight * 8 / 10;
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}
