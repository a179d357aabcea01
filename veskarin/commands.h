#pragma once
#include <windows.h>

// The icon inspector's commands and the operations they share.

void SearchIcons(HWND window);                 // icon_search.cpp
void RenderIcon(HWND window, int index);       // icon_display.cpp
bool ReadIconSize(HWND window, int index);
void ShowIcon(HWND window, int index);
void ShowCurrentIconAgain(HWND window);        // render, size, layout, show
void PreviousIcon(HWND window);
void NextIcon(HWND window);
void ZoomOut(HWND window);
void ZoomIn(HWND window);
void MaskColorCommand(HWND window);            // mask_color.cpp
void OpenCommand(HWND window);                 // open_command.cpp
void SaveIconCommand(HWND window);             // save_command.cpp
void ReplaceIconCommand(HWND window);          // replace_command.cpp
