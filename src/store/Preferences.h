#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options that the database's settings line has no field for, kept beside it in
// QNPrefs.ini as "key=value" lines, so that QNhForms.dta and its format stay as they are.
struct Preferences {
    bool keepCapitals = true;
    // The pause between two synthetic keys everywhere; none set: only where a program needs one.
    std::optional<unsigned> keyGapMs;
    // Programs that are terminals besides the built-in ones, and programs in which the expander
    // pauses; each a program name as the desktop reports it, lower case.
    std::vector<std::string> terminals;
    std::vector<std::string> pausedPrograms;
    bool startAtLogin = false;

    bool operator==(const Preferences&) const = default;
};

inline constexpr std::string_view PreferencesFileName = "QNPrefs.ini";

struct PreferencesRead {
    Preferences prefs;
    // One message for each line that could not be used, naming the line; the rest is used.
    std::vector<std::string> problems;
};

PreferencesRead ParsePreferences(std::string_view text);
std::string FormatPreferences(const Preferences& prefs);

// A missing file gives the defaults and no problem.
PreferencesRead LoadPreferences(Files& p);
[[nodiscard]] FileStatus SavePreferences(Files& p, const Preferences& prefs);
