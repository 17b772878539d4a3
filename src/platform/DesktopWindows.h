#pragma once

#include "platform/Form.h"
#include "platform/Screen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The desktop's windows, other applications' and the program's own alike, and the screen.
class DesktopWindows {
  public:
    virtual ~DesktopWindows() = default;

    virtual WindowId foregroundWindow() = 0;
    virtual bool setForegroundWindow(WindowId w) = 0;
    virtual WindowId windowFromPoint(PixelPoint p) = 0;
    virtual std::optional<PixelRect> windowRect(WindowId w) = 0;
    // One pixel of a window, at a point relative to its top-left corner, as 0xBBGGRR.
    virtual std::optional<std::uint32_t> windowPixel(WindowId w, PixelPoint p) = 0;
    virtual bool activateWindowByTitle(std::string_view title) = 0;
    // The program that owns a window, lower case: the executable's name without ".exe" on
    // Windows, the WM_CLASS class on X11, "document" and "terminal" on the simulated desktop;
    // "" when unknown.
    virtual std::string windowProgram(WindowId w) = 0;

    virtual int screenWidthPixels() = 0;
    virtual int screenHeightPixels() = 0;
    virtual int twipsPerPixelX() = 0;
    virtual int twipsPerPixelY() = 0;
};
