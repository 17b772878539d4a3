#pragma once

#include "platform/Form.h"

#include <cstdint>
#include <string>

// The engine's state for the whole run.
struct EngineState {
    bool fastCadence = false;           // set while the floating panel is being positioned
    bool expanderToggleRequest = false; // the menu asked the off loop to turn the expander on
    WindowId target = 0;                // the window the program types into
    std::uint16_t passCounter = 0;
    bool editorOpen = false;
    // The keystroke detector of the expander-off loop.
    int offRunCounter = 0;
    std::uint8_t offLastKey = 0;
    // Typing time: the clock at the previous keystroke, and the interval it ended.
    double previousKeystroke = -1e9;
    double previousInterval = 0.2;
};

// The run's counters; shown by the statistics, never saved.
struct SessionStats {
    std::int32_t charsTyped = 0;
    std::int32_t keystrokesSaved = 0;
    std::int32_t expansions = 0;
    float typingSeconds = 0;
    std::string activatedList;
};
