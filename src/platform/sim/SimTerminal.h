#pragma once

#include "platform/sim/KeyboardLayout.h"
#include "platform/sim/SimEditor.h"

#include <cstdint>
#include <string>

// A terminal window as the simulated desktop has it: the lines sent so far (each ending with a
// line break, like a scrollback) and the line being typed. Enter sends the line, Ctrl+C
// interrupts (the line is not sent; "^C" and a line break follow it), Ctrl+V pastes nothing and
// Shift with an arrow moves without selecting.
struct SimTerminal {
    std::string scrollback;
    SimEditor line;
};

void TerminalKeyDown(SimTerminal& t, std::uint8_t key, Modifiers m, const KeyboardLayout& layout);
// A character typed as itself: a line break sends the line, Backspace's character erases.
void TerminalChar(SimTerminal& t, char c);
// What the window shows: the scrollback, then the line being typed.
std::string TerminalText(const SimTerminal& t);
// The same as an editor, with the caret where it stands in the line, for drawing.
SimEditor TerminalView(const SimTerminal& t);
