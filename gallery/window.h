#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "frame/gdi_scope.h"
#include "frame/program.h"
#include "framecore/window_geometry.h"
#include "imaging/grid_layout.h"
#include "imaging/image_block.h"
#include "scan/byte_source.h"
#include "scan/found_image.h"

// The main window that the two galleries share: placed in 8/10 of the work
// area, a fixed grid of cells below the bar, the start-up picture until the
// first page, one selected cell with a red frame.

// What a gallery adds to its ProgramDescription.
struct GalleryDescription {
    bool bitmaps;                     // the bitmap gallery: its grid and temporary file
    int startupWidth, startupHeight;  // IBMP_1
    void (*paintPage)(HDC dc);        // draws the page shown (viewMode 1)
    void (*releasePage)();            // frees what the page holds (shutdown)
    // Copy: the BMP file of an image as its cell shows it, at its own size.
    ImageRead (*cellPicture)(ByteSource& file, const FoundImage& entry, std::vector<uint8_t>& bmp);
};

// The state both galleries keep, for the whole run.
struct GalleryView {
    GridLayout layout;
    std::vector<FoundImage> table;    // the open file's images
    std::string openPath;             // the file the table was found in
    int pageIndex = -1;
    bool selectionShown = false;
    int selectedIndex = -1;
    int frameX = 0, frameY = 0;       // where the selection frame is drawn
    MemoryPicture startup;            // the start-up picture, until the first page
    TaskbarInsets insets;

    int LastIndex() const { return static_cast<int>(table.size()) - 1; }
    PageRange Page() const { return PageEntries(layout, pageIndex, LastIndex()); }
    // Previous (step -1) or Next (+1) has a page to go to.
    bool CanTurn(int step) const { return step > 0 ? HasNextPage(layout, pageIndex, LastIndex()) : pageIndex > 0; }
};

extern GalleryView gallery;

// A private message that answers how many GDI objects the drawing code holds
// (LiveGdiObjects): the end-to-end sessions check that pages leak none.
constexpr UINT kLiveGdiObjectsMessage = WM_APP + 71;

int RunGallery(HINSTANCE instance, int showCommand, const ProgramDescription& program,
               const GalleryDescription& gallery);

// Removes the selection and its frame at once (before Open, Previous, Next).
void ClearSelection(HWND window);
// The first page replaces the start-up picture for the rest of the run.
void LeaveStartupPicture();
// Previous, Next, Save All and Save As follow the page and the selection.
void UpdateGalleryButtons();
// The Open dialog and its checks for an EXE or DLL; "" when the user gave up
// or was refused (nothing of the open file changes then).
std::string ChooseGallerySource(HWND window);
// True when `file`, the source opened for a search, a page or a save, is
// open; otherwise false after "Unable to open a source file.".
bool SourceOpened(HWND window, const FileSource& file);
