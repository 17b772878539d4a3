#pragma once

#include "platform/Files.h"

#include <string_view>

// Other programs: starting one, another instance of this one, and the start at login.
class Programs {
  public:
    virtual ~Programs() = default;

    virtual bool startProgram(std::string_view path) = 0;
    // True when another instance of the program is already running.
    virtual bool otherInstanceRunning() = 0;
    // Brings the running instance's main window to the front (restored when minimized), found by
    // its window and never by keys sent to whatever is in front. False when it cannot be found.
    virtual bool bringRunningInstanceForward() = 0;
    // Makes the desktop start the program when the user logs in, or stop doing so.
    virtual FileStatus setStartAtLogin(bool on) = 0;
};
