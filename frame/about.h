#pragma once
#include <windows.h>

// The About box (ABOUT_DLG / ABOUT_DLG_J) and the readme opened with the shell.
void ShowAbout(HWND mainWindow);
void OpenReadme(HWND mainWindow);
