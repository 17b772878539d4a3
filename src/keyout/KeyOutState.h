#pragma once

#include "platform/Form.h"

#include <cstdint>

// State that key output shares with the rest of the program.
struct KeyOutState {
    // While set, scripts are typed as plain text: braces are characters, not tokens.
    bool literalMode = false;
    // The program's record that Caps Lock is on: upper-case letters then go without Shift.
    bool capsLock = false;
    // Characters of key tokens that did not become key strokes; keystrokes-saved subtracts it.
    std::int32_t keyTokenCorrection = 0;
    // The window typed into when it is a terminal (0 otherwise): there Enter, Tab and the
    // control keys are commands, so a script that would send one is not typed at all.
    WindowId terminalWindow = 0;
};
