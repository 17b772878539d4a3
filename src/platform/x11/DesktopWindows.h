#pragma once

#include "platform/Platform.h"
#include "platform/x11/Connection.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Other applications' windows. A window is named by its client window (the one that carries
// WM_STATE under a window manager, or the top-level window without one), so the ids agree with
// _NET_ACTIVE_WINDOW and with the program's own toolkit windows.

bool WindowManagerRunning(Connection& c);
WindowId ActiveWindow(Connection& c);
bool ActivateWindow(Connection& c, WindowId w);
// Like ActivateWindow, for a window that may be minimized (unmapped): it is mapped again first.
bool RestoreAndActivateWindow(Connection& c, WindowId w);
WindowId WindowAt(Connection& c, PixelPoint p);
// The client area in screen pixels.
std::optional<PixelRect> WindowRectangle(Connection& c, WindowId w);
// Viewable top-level windows whose title is exactly the given one, else those whose title
// begins with it; the title is Windows-1252.
WindowId FindWindowByTitle(Connection& c, std::string_view title);
// The title of a window, as Windows-1252.
std::string WindowTitle(Connection& c, WindowId w);
// The class of WM_CLASS of a window or of the client window inside it, lower case; "" when it
// has none.
std::string WindowClass(Connection& c, WindowId w);

// Pixel reads come from one image of the window, taken again when another window is asked
// for or the image is older than a quarter second: the caret search reads hundreds of pixels
// on consecutive idle passes, and a round trip for each would stall the main loop.
struct PixelSnapshot {
    WindowId window = 0;
    double takenAt = -1;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgr;
};
std::optional<std::uint32_t> WindowPixel(Connection& c, PixelSnapshot& s, WindowId w, PixelPoint p,
                                         double now);
