#include "tests/e2e/gallery_view.h"

#include "imaging/icon_grid_page.h"
#include "scan/byte_source.h"
#include "tests/e2e/desktop.h"

POINT CellMiddle(const GridLayout& layout, int slot) {
    return {layout.Left() + layout.pitchX * (slot % layout.columns) + layout.pitchX / 2,
            layout.Top() + layout.pitchY * (slot / layout.columns) + layout.pitchY / 2};
}

bool SelectionFrameIs(HWND window, const GridLayout& layout, int slot, COLORREF color) {
    const Capture shot = CaptureClient(window);
    const int x = layout.Left() + layout.pitchX * (slot % layout.columns);
    const int y = layout.Top() + layout.pitchY * (slot / layout.columns);
    if (x + layout.pitchX >= shot.width || y + layout.pitchY >= shot.height) return false;
    return shot.At(x, y + 7) == color && shot.At(x + layout.pitchX, y + 7) == color && shot.At(x + 7, y) == color &&
           shot.At(x + 7, y + layout.pitchY) == color;
}

std::vector<uint8_t> ExpectedIconPage(const std::string& path, const std::vector<FoundImage>& icons,
                                      const GridLayout& layout, int page, ColorRef mask) {
    std::vector<uint8_t> file = BlankPageFile(layout.columns, layout.rows);
    PagePixels pixels = PixelsOfPage(file.data() + 54, file.size() - 54, layout.columns, layout.rows);
    FileSource source(path);
    const PageRange range = PageEntries(layout, page, static_cast<int>(icons.size()) - 1);
    for (int k = range.first; k <= range.last; ++k)
        DrawIconInCell(source, icons[static_cast<size_t>(k)], (k - range.first) / layout.columns,
                       (k - range.first) % layout.columns, mask, pixels);
    return file;
}

bool ShowsIconPage(HWND window, const std::string& path, const std::vector<FoundImage>& icons,
                   const GridLayout& layout, int page, ColorRef mask) {
    const std::vector<uint8_t> expected = ExpectedIconPage(path, icons, layout, page, mask);
    const Capture shot = CaptureClient(window);
    const int width = layout.columns * 65 + 1, height = layout.rows * 65 + 1;
    if (shot.width < layout.Left() + width || shot.height < layout.Top() + height) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (shot.At(layout.Left() + x, layout.Top() + y) != BmpPixel(expected, x, y)) return false;
    return true;
}
