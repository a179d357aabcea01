#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/grid_layout.h"
#include "imaging/icon_render.h"
#include "scan/found_image.h"

// What a gallery's window shows where, as the end-to-end sessions and the
// random sessions check it: cells, the selection frame, the icon page.

// The galleries' private message: the GDI objects their drawing code holds.
constexpr UINT kLiveGdiObjectsMessage = WM_APP + 71;

// The client point in the middle of cell `slot` of the page.
POINT CellMiddle(const GridLayout& layout, int slot);
// The selection frame of cell `slot` is drawn in `color` (all four sides).
bool SelectionFrameIs(HWND window, const GridLayout& layout, int slot, COLORREF color);
// The icon gallery's page picture for `page` of the icons `icons` of `path`.
std::vector<uint8_t> ExpectedIconPage(const std::string& path, const std::vector<FoundImage>& icons,
                                      const GridLayout& layout, int page, ColorRef mask);
// Every pixel of that page picture is on screen where the grid lies.
bool ShowsIconPage(HWND window, const std::string& path, const std::vector<FoundImage>& icons,
                   const GridLayout& layout, int page, ColorRef mask);
