#pragma once
#include <windows.h>

#include "inspector/opened_file.h"
#include "inspector/view_state.h"

// The inspectors' image area below the bar: the start-up picture, then the
// DibImage magnified by view.zoomFactor and scrolled in image pixels.

constexpr int kMaxZoom = 10;


void PaintView(HWND window);
void LayoutScrollBars(HWND window);
void ScrollView(HWND window, WPARAM wParam, bool horizontal);
void EnforceMinimumSize(HWND window);
// Creates the two scroll bars, hidden (start-up).
void CreateScrollBars(HWND window);
// Before a new search: positions 0, bars hidden, flags cleared.
void ResetScrollBars(HWND window);
// Leaves the start-up picture for the image view (the first opened file).
void EnterImageMode(HWND window);
// After a failed search: the commands on the image are off until one is shown.
void DisableImageButtons();
// Zoom Out (step -1) and Zoom In (+1) while an image of `file` is shown,
// within 1..10: the current image's size is read again (`readSize`: false
// after its message, and nothing is redrawn), then the scroll bars are laid
// out and the view repainted.
void StepZoom(HWND window, const OpenedFile& file, int step, bool (*readSize)(HWND window));
// The current entry of the open file cannot be shown: no picture, the
// program's name as title, the commands on the image off; Previous and Next
// still step through the table, so that every image that can be shown stays
// within reach. The tool forgets its own image and publishes its index first.
void ShowNoImage(HWND window);
// Copy: an image is painted, and it goes onto the clipboard at its own size.
bool ImageShown();
void CopyShownImage(HWND window);
// Reads the DIB file at `path` (the display copy, or the open file itself)
// into view.dib and repaints the image area; false after its message, which
// names `openPath` when the file cannot be opened.
bool LoadShownDib(HWND window, const char* path, const char* openPath);
