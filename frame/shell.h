#pragma once
#include <windows.h>

#include "frame/program.h"

// The process entry of every program: registers the classes, creates the
// main window and the bar, runs the message loop. Returns the exit code.
int RunProgram(HINSTANCE instance, int showCommand, const ProgramDescription& program);

// The inspectors' main window procedure: routes messages to the frame and
// commands to the program.
LRESULT CALLBACK InspectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up work of the inspectors at WM_CREATE: single-instance test, drive
// refusal, start-up picture, names, scroll bars.
void CreateMainView(HWND window);
// The display copy's and the readme's names, and the window title.
void PrepareNames(HWND window);
// The readme of the user's language in the program's folder (none without a program path).
void PrepareReadmePath();
// frame.programPath from the running module (empty when it cannot be read).
void FindProgramPath();
// Releases the frame's resources and posts the quit message.
void ShutDown(HWND window);
