#pragma once

#include "platform/Files.h"

#include <string>

// The start at login on a freedesktop.org desktop: an entry quibnote.desktop in
// $XDG_CONFIG_HOME/autostart (~/.config/autostart when the variable is unset) that runs this
// executable; removed again when off.
std::string AutostartEntryPath();
// The entry's text for an executable at that path (quoted as desktop entries require).
std::string AutostartEntry(const std::string& executable);
FileStatus SetAutostartEntry(bool on);
