#pragma once

#include "engine/PassReadings.h"

#include <cstdint>
#include <optional>
#include <string>

struct Core;

// The one key a pass takes: its code, the character it stands for ("" for keys without one and
// for the suffix and suppressor keys, a Backspace character for Backspace), the character the
// user's layout gave it (0 for none) and whether it ends the word.
struct ClassifiedKey {
    std::uint8_t key = 0;
    std::string character;
    char typed = 0;
    bool delimiter = false;
    // The character needed AltGr, which holds Ctrl and Alt (or Alt) down for it: those are no
    // chord, and only a Ctrl beside AltGr's own asks for a Ctrl hotkey.
    bool altGr = false;
};

// Space, Enter and Tab first, then the first punctuation key that read pressed, F2, F6,
// Backspace and Delete; failing those, the Left and Right arrows, the digits and the letters
// are read in turn and the first pressed one is taken. Keys that type characters are known by
// the character the user's layout gave them, so a period ends a word wherever the layout puts
// it. Nothing on an idle pass. The scans leave their last reading in the word state's range
// reading.
std::optional<ClassifiedKey> ClassifyKey(Core& core, const PassReadings& k);

// The back-quote and the tilde (on one key on US keyboards) keep an expansion back.
bool IsSuppressorChar(char c);
