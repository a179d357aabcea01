#pragma once
#include <windows.h>

#include "frame/program.h"

// The inspectors' main window: the start-up picture, then the image view with
// its scroll bars; commands go to the program.
int RunInspector(HINSTANCE instance, int showCommand, const ProgramDescription& program);
