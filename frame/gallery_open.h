#pragma once
#include <windows.h>

#include <string>

// The galleries' Open dialog and its checks: not the program itself, not a
// removable or remote disk, an EXE or DLL that exists (these two bring the
// dialog back). Each refusal is one message. False when the user gave up or
// was refused; nothing of the open file changes then.
bool ChooseGallerySource(HWND window, std::string& path);
