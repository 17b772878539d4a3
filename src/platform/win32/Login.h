#pragma once

#include "platform/Files.h"
#include "platform/win32/WinApi.h"

// The start at login: a shortcut to the running executable in the user's Startup folder, the
// place the user also sees and edits in Explorer (a Run key in the registry would be hidden).
FileStatus SetStartupShortcut(bool on);

// The main window of another running copy of the program, found by the mark its first copy puts
// on it, or null.
HWND FindRunningMainWindow();
// Marks this copy's main window so that a second start can find it.
void MarkMainWindow(HWND window);
// Takes the mark off again before the window is destroyed (a window's properties must be
// removed by the program that set them).
void UnmarkMainWindow(HWND window);
