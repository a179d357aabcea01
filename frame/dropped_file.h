#pragma once
#include <windows.h>

#include <string>

// A file dragged from Explorer onto a main window is opened as if it had been
// chosen in the Open dialog: the program's Open command runs, with every
// question that comes before its dialog, and the dialog gives way to the
// dropped file, which then meets every check of a choice. The first of
// several files is taken. While a command runs, a drop is ignored.
void OpenDroppedFile(HWND window, HDROP drop);

// The file dropped while the Open command runs for a drop; empty otherwise.
const std::string& DroppedFile();
