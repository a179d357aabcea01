#pragma once
#include <windows.h>

#include <string>

// The icon inspector's commands and the operations they share.

// Searches `path` and makes it the open file, unless it is an .ico file that
// is refused before the search (then nothing changes).
void SearchIcons(HWND window, const std::string& path, bool icoFileMode);  // icon_search.cpp
// The system menu's "Include 32-bit and PNG icons": the option turned over,
// the open file searched again and its first icon shown.
void SwitchIconKinds(HWND window);
// Each reports its failure to the user and returns false.
// How rendering an icon into the display copy ended: Failed when the open
// file or the temporary file failed, Unrenderable when the icon's own bytes
// cannot be drawn (the file reads well).
enum class IconRendering { Rendered, Unrenderable, Failed };
IconRendering RenderIcon(HWND window, int index);  // icon_display.cpp
bool ReadIconSize(HWND window, int index);
bool ShowIcon(HWND window, int index);
// The current icon rendered again (a new mask colour); when that fails the
// icon shown stays.
void ShowCurrentIconAgain(HWND window);
// The current icon of a new table or of a changed file; when it cannot be
// shown, nothing of the file stays shown.
void ShowNewIcon(HWND window);
void PreviousIcon(HWND window);
void NextIcon(HWND window);
bool ReadCurrentSize(HWND window);             // for the zoom step
void MaskColorCommand(HWND window);            // mask_color.cpp
void OpenCommand(HWND window);                 // open_command.cpp
void SaveIconCommand(HWND window);             // save_command.cpp
void ReplaceIconCommand(HWND window);          // replace_command.cpp
