#pragma once

#include "FuzzCheck.h"
#include "store/Settings.h"

#include <algorithm>

// Options parsed from any settings line survive a rebuild of the line and a second parse. The
// one deliberate change: a main window above the screen's top edge is saved at the top edge.
inline void RequireSettingsRoundTrip(const Options& parsed) {
    Options saved = parsed;
    saved.mainTop = saved.startupTop = std::max(parsed.mainTop, 0);
    const std::string line = BuildSettingsLine(parsed);
    Require(ParseSettings(line) == saved, "options read back as they were saved");
    Require(BuildSettingsLine(ParseSettings(line)) == line, "a rebuilt line rebuilds to itself");
}
