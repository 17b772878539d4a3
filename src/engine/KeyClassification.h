#pragma once

#include "engine/PassReadings.h"

#include <cstdint>
#include <optional>
#include <string>

struct Core;

// The one key a pass takes: its code, the character it stands for ("" for keys without one,
// a Backspace character for Backspace) and whether it ends the word.
struct ClassifiedKey {
    std::uint8_t key = 0;
    std::string character;
    bool delimiter = false;
};

// The first key of the classification table that reads pressed; failing that, the Left and
// Right arrows, the digits and the letters are read in turn and the first pressed one is taken.
// Nothing on an idle pass. The scans leave their last reading in the word state's range reading.
std::optional<ClassifiedKey> ClassifyKey(Core& core, const PassReadings& k);
