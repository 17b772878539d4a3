#pragma once

#include "platform/Platform.h"
#include "platform/win32/WinApi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Other applications' windows: the foreground, what lies under a point, pixels, activation by
// title, and starting programs and documents.

// Makes the window's top-level window the foreground window, also when the system's foreground
// lock would refuse a plain SetForegroundWindow from a program in the background.
bool BringToForeground(HWND window);
std::optional<PixelRect> RectOfWindow(HWND window);

// The window device context is kept from one pixel reading to the next while the same window
// is read, since the caret search reads hundreds of pixels of one window in a row.
struct WindowPixels {
    HWND window = nullptr;
    HDC dc = nullptr;
};
std::optional<std::uint32_t> ReadWindowPixel(WindowPixels& reader, HWND window, PixelPoint p);
void ReleaseWindowPixels(WindowPixels& reader);

// The name of the executable that runs the window, lower case, without the folder and ".exe";
// "" when it cannot be known (a process of another user, say).
std::string ProgramOfWindow(HWND window);
// An exact title first, then the first title that begins with it; a minimized window is restored.
bool ActivateByTitle(std::string_view title);
// Opens a program or a document with the program the system associates with it.
bool OpenWithShell(std::string_view path);
