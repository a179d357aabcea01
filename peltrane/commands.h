#pragma once
#include <windows.h>

#include "texts/message.h"

// The bitmap inspector's commands and the operations they share.

void SearchBitmaps(HWND window);                  // bitmap_search.cpp
bool WriteDisplayCopy(HWND window, int index);    // bitmap_display.cpp
bool ReadShownDimensions(HWND window, int index);
bool LoadShownBitmap(HWND window, int index);
// After a search or a replacement: the current entry, or nothing of the file
// when it cannot be shown.
void ShowNewBitmap(HWND window);
void PreviousBitmap(HWND window);
void NextBitmap(HWND window);
void ZoomOut(HWND window);
void ZoomIn(HWND window);
void OpenCommand(HWND window);                    // open_command.cpp
void SaveBitmapCommand(HWND window);              // save_command.cpp
void ReplaceBitmapCommand(HWND window);           // replace_command.cpp

// palette_editor.cpp
void OpenPaletteEditor(HWND window);              // command 108
void RefreshPaletteEditor(HWND window);           // after every load of a bitmap
// The question `question` when an unsaved change would be given up; true
// when the command may go on.
bool MayLeavePaletteChange(HWND window, const Message& question);
void SavePaletteCommand(HWND window);             // WM_USER from the editor's Save
void CloseEditorAsked(HWND window);               // WM_USER + 1 from the editor's Close
void DestroyPaletteEditor(HWND window);
void UpdatePaletteButton();                       // painting's rule for Palette Color
void OnSystemCommand(HWND window, WPARAM command); // minimise and restore hide and show the editor
