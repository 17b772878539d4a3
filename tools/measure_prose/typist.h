#pragma once

#include "engine/EngineState.h"
#include "plan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace measure {

struct TypingResult {
    SessionStats stats;
    std::string statistics; // the program's own statistics text
    // Words typed in full that expanded, and short forms that did not.
    std::vector<std::string> surprises;
    std::vector<std::string> failedForms;
    // Where the document differed from the text after a word, with the document near there.
    // The user then mends the document by hand (keys the program does not count) and goes on.
    struct Difference {
        std::size_t at = 0;
        std::string documentAround;
    };
    std::vector<Difference> differences;
    std::int64_t virtualMicros = 0;
};

// Starts the whole program on the simulated desktop in `folder` and has the user type the plan
// into the Document, one key at a time: each key is pressed when the program is back at its
// loop head with nothing left to do, so the program's output never mixes with the user's keys.
TypingResult TypePlan(const std::string& folder, const Plan& plan);

} // namespace measure
