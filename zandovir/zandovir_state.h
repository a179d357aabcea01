#pragma once
#include <windows.h>

#include <vector>

#include "frame/gdi_scope.h"
#include "gallery/progress_box.h"
#include "imaging/thumbnail.h"
#include "zandovir/resource_ids.h"

// One cell of the page shown: the bitmap scaled by the system into a memory
// DC of its own (none when the system could not read the bitmap).
struct ThumbnailCell {
    MemoryPicture picture;
    Thumbnail size;
};

// The bitmap gallery's own state; the table, the page and the selection are
// the gallery window's GalleryView.
struct BitmapGallery {
    ProgressBox progress{kProgressText};
    std::vector<ThumbnailCell> cells;  // the page shown, slot by slot
};

extern BitmapGallery bitmaps;

void OpenSourceFile(HWND window);          // bitmap_collection.cpp
// thumbnails.cpp
// The thumbnails of the page shown, in order; false (the rest of the page
// empty) when the temporary file cannot be made: the caller says so once its
// boxes are gone.
bool LoadPageThumbnails(HWND window, ByteSource& file);
void NextPage(HWND window);
void PreviousPage(HWND window);
void PaintBitmapPage(HDC dc);
void ReleaseBitmapPage();
