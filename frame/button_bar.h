#pragma once
#include <windows.h>

// The bar of picture buttons across the top of the main window, and the
// text label shown under the button that the mouse is over.

constexpr char kBarClassName[] = "IconBarWindow";

LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// The bar button with this bitmap base name ("Prev"), or nullptr.
HWND BarButton(const char* base);
void EnableBarButton(const char* base, bool enabled);
// The command of the bar button with this base name, or 0 when there is none.
int BarCommand(const char* base);
// Repaints the main window's area of a bar button (after a modal dialog of
// its command closed), so that the button is drawn in its new state at once.
void RepaintBarButton(HWND mainWindow, const char* base);

void ShowHoverLabel(HWND mainWindow);
void HideHoverLabel(HWND mainWindow);
// Draws the label of the hovered navigation or zoom button again.
void RedrawCommandLabel(HWND mainWindow);
// Forgets the saved background (at shutdown).
void ReleaseHoverLabel();
