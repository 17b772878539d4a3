#pragma once

#include <cstdint>
#include <string>

// What the program's windows keep for one run besides the settings; none of it is saved.

// The panel floats above the typing while it is on and not anchored (the settings say both).
struct PanelState {
    // Where the floating panel goes, in twips: a default from start-up, then wherever the caret
    // search last put it.
    std::int32_t floatingTop = 0;
    std::int32_t floatingLeft = 0;
};

struct TipsState {
    std::string number; // the tip on show, as the text it is kept in
    std::string rest;   // the tips file after its first line, from that line's CR LF on
};

struct PresentationState {
    PanelState panel;
    TipsState tips;
    int lastLetter = 0; // the letter button clicked last, 0 for "a"
    // The Quib List boxes' colour as the colour dialog has set it, before it is stored.
    std::uint32_t quibListColor = 0;
};
