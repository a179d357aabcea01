#pragma once
#include <windows.h>

// The number of GDI objects a process holds, read from its GDI handle table
// (the one its PEB points to): GetGuiResources only answers 0 under Wine.
// -1 when the table cannot be read.
long GdiObjectsOf(DWORD processId);
