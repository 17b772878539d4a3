#pragma once

#include <cstdint>

// State that key output shares with the rest of the program.
struct KeyOutState {
    // While set, scripts are typed as plain text: braces are characters, not tokens.
    bool literalMode = false;
    // The program's record that Caps Lock is on: upper-case letters then go without Shift.
    bool capsLock = false;
    // Characters of key tokens that did not become key strokes; keystrokes-saved subtracts it.
    std::int32_t keyTokenCorrection = 0;
};
