#pragma once
#include <windows.h>

#include "frame/program.h"

// The icon programs' opt-in, the check item "Include 32-bit and PNG icons"
// of their system menu: while it is on, their searches also find the 32-bit
// and PNG icon images of current programs (ScanAllKinds, as imgscan's
// --all-kinds). It is off at every start; while it is off, the searches are
// those without it.

// Whether the option is on (the searches' ScanOptions::allKinds).
bool AllIconKindsIncluded();
// Turns the option on or off.
void SwitchAllIconKinds();
// The item with its id, label and check mark; `choose` is the program's:
// SwitchAllIconKinds, then its open file searched again.
SystemMenuItem AllIconKindsMenuItem(void (*choose)(HWND window));
