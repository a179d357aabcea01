#pragma once
#include <windows.h>

#include "frame/program.h"

// The process entry of every program: registers the classes, creates the
// main window and the bar, runs the message loop. Returns the exit code.
int RunProgram(HINSTANCE instance, int showCommand, const ProgramDescription& program, const ProgramFamily& family);

// Both main windows' WM_SETCURSOR: the default cursor, then the bar
// button's hover label.
void SetCursorWithLabel(HWND window, WPARAM wParam, LPARAM lParam);

// The readme of the user's language in the program's folder (none without a program path).
void PrepareReadmePath();
// frame.programPath from the running module (empty when it cannot be read).
void FindProgramPath();
// Exit: the program may keep running (its question); otherwise the view, the
// temporary file and the frame's resources are released and the quit message posted.
void ShutDown(HWND window);
// The close box asks the program's question while the window can still be
// kept: false keeps the program running.
bool MayClose(HWND window);
// WM_DESTROY: releases without asking.
void ReleaseFrame(HWND window);
// Invalidates the client area below the bar, with erasing, and updates it.
void RepaintImageArea(HWND window);
