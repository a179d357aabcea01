#pragma once
#include <windows.h>

#include <cstdint>

#include "frame/save_dialog.h"

// The inspectors' Save As up to the writing: the path, more free space than
// `bytes` on its drive, and Yes to overwriting a file that exists. False when
// the command ends (its message shown).
bool ChooseSaveTarget(HWND window, const SaveRules& rules, uint64_t bytes, char* path);
