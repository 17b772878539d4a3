#pragma once

#include "store/Preferences.h"

#include <string_view>

// What the program knows of the applications it types into, by the name the desktop gives the
// program of a window (lower case; an executable's name with or without ".exe").

// A terminal reads Enter, Tab and control keys as commands to the shell or the program in it:
// the built-in terminals of each desktop and those the user named in the preferences.
bool IsTerminalProgram(const Preferences& prefs, std::string_view program);

// The pause between two synthetic keys in the program: the user's key_gap_ms when set, else
// none, but for the programs known to drop a key that reaches them at the same instant as the
// one before (docs/linux.md).
unsigned SyntheticKeyGapMs(const Preferences& prefs, std::string_view program);

// The user chose to keep the expander off while this program is in front.
bool IsPausedProgram(const Preferences& prefs, std::string_view program);

// The preferences with the program added to the paused programs, or taken out of them.
Preferences WithPauseToggled(Preferences prefs, std::string_view program);
