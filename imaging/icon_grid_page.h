#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/grid_layout.h"
#include "imaging/icon_render.h"

// The icon gallery's page picture: one 24-bit bottom-up bitmap of
// columns x 65 + 1 by rows x 65 + 1 pixels, black lines around white 64 x 64
// cell interiors. The first page is written to a BMP file, later pages are
// drawn straight into the loaded picture; both through DrawIconInCell.
struct PagePixels {
    uint8_t* bits = nullptr;  // rows bottom-up, RowBytes(width) each
    size_t size = 0;          // bytes at `bits`
    int32_t width = 0;
    int32_t height = 0;

    static int64_t RowBytes(int32_t width) { return 3 * int64_t{width} + width % 4; }
};

// The BMP file of an empty page: header (bfOffBits 54), black lines, white cells.
std::vector<uint8_t> BlankPageFile(int32_t columns, int32_t rows);

// The pixels of a page held in a BMP file made by BlankPageFile (from byte
// 54), or in a picture block (from byte 40 of the block).
PagePixels PixelsOfPage(uint8_t* bits, size_t size, int32_t columns, int32_t rows);

// Sets the interior of every cell white again; the lines stay.
void WhitenCells(PagePixels& page);

// Draws icon `entry` of the scanned file centred in cell (row, column): its
// colours (a palette index beyond colorCount shows black), then every AND-mask
// pixel in the mask colour; a 32-bit or PNG image blended over the mask
// colour by its alpha and placed as the contact sheet places it
// (PlaceInCell). Nothing is drawn outside the cell's interior.
// Returns false (the cell stays as it was) when the image cannot be read or
// describes no icon.
bool DrawIconInCell(ByteSource& file, const FoundImage& entry, int32_t row, int32_t column, ColorRef maskColor,
                    PagePixels& page);
