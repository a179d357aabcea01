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

// How far the desktop's work area falls short of the screen on each side
// (the taskbar's place), measured once by the galleries at start-up.
struct TaskbarInsets {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// The insets from the desktop list view's rectangle: the one side that it
// leaves free. A list view that starts neither at the left nor at the top
// leaves `previous` as it was.
inline TaskbarInsets InsetsFromListView(int left, int top, int right, int bottom, int screenWidth, int screenHeight,
                                        TaskbarInsets previous = {}) {
    TaskbarInsets insets = previous;
    if (left == 0 && top == 0) {
        if (right < screenWidth) insets = {0, screenWidth - right, 0, 0};
        if (bottom < screenHeight) insets = {0, 0, 0, screenHeight - bottom};
    } else if (left == 0) {
        insets = {0, 0, top < 0 ? -top : top, 0};
    } else if (top == 0) {
        insets = {left < 0 ? -left : left, 0, 0, 0};
    }
    return insets;
}

// Without a desktop list view: the work area's distances from the screen's edges.
inline TaskbarInsets InsetsFromWorkArea(int left, int top, int right, int bottom, int screenWidth, int screenHeight) {
    return {left, screenWidth - right, top, screenHeight - bottom};
}

// The galleries' window: 8/10 of the work area, centred in it. Each side
// with an inset replaces the place, in the order right, left, bottom, top.
inline WindowRect GalleryWindowRect(int screenWidth, int screenHeight, const TaskbarInsets& insets) {
    WindowRect r = MainWindowRect(screenWidth, screenHeight, false);
    r.width = (screenWidth - insets.right - insets.left) * 8 / 10;
    r.height = (screenHeight - insets.bottom - insets.top) * 8 / 10;
    r.x = (screenWidth - r.width) / 2;
    r.y = (screenHeight - r.height) / 2;
    if (insets.right != 0) r = {(screenWidth - insets.right - r.width) / 2, (screenHeight - r.height) / 2, r.width, r.height};
    if (insets.left != 0)
        r = {(screenWidth - insets.left - r.width) / 2 + insets.left, (screenHeight - r.height) / 2, r.width, r.height};
    if (insets.bottom != 0)
        r = {(screenWidth - r.width) / 2, (screenHeight - insets.bottom - r.height) / 2, r.width, r.height};
    if (insets.top != 0)
        r = {(screenWidth - r.width) / 2, (screenHeight - insets.top - r.height) / 2 + insets.top, r.width, r.height};
    return r;
}
