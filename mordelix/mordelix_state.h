#pragma once
#include <windows.h>

#include "frame/dib_image.h"
#include "frame/mask_color_dialog.h"
#include "gallery/progress_box.h"
#include "mordelix/resource_ids.h"

// The icon gallery's own state; the table, the page and the selection are
// the gallery window's GalleryView.
struct IconGallery {
    MaskChoice mask;
    ProgressBox progress{kProgressText};
    DibImage page;  // the page shown, read back from its temporary file
};

extern IconGallery icons;

void OpenSourceFile(HWND window);              // icon_collection.cpp
// The system menu's "Include 32-bit and PNG icons": the option turned over,
// the open file searched again and its first page shown (an empty grid when
// nothing is found).
void SwitchIconKinds(HWND window);
// icon_pages.cpp
void ShowFirstPage(HWND window, ByteSource& file);
void RedrawGridPage(HWND window, ByteSource& file, bool keepCells);
void NextPage(HWND window);
void PreviousPage(HWND window);
void MaskColorCommand(HWND window);
void PaintIconPage(HDC dc);
void ReleaseIconPage();
