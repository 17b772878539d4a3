#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A randomized user on the simulated desktop: words and short forms with delimiters, hotkeys,
// menu commands, the short-form editor and clip operations, chosen by a seeded generator. After
// every step the program's invariants are checked and its memory is measured.

// The bytes the program's own containers hold: the database, and everything else it keeps
// (word state, clips, lists, forms' texts, statistics, tips).
struct StateBytes {
    std::size_t database = 0;
    std::size_t other = 0;
};

struct SoakFigures {
    std::int64_t steps = 0;
    std::int64_t keystrokes = 0;
    std::int64_t invariantChecks = 0;
    std::int64_t messageBoxes = 0;
    std::int64_t saves = 0; // files written, so far
    std::int64_t expansions = 0;
    double virtualSeconds = 0;
    StateBytes atWarmUp; // after a tenth of the run
    StateBytes largest;  // after warm-up
    StateBytes atEnd;
    std::vector<std::string> broken;       // the first invariants found broken, with their step
    std::vector<std::string> filesWritten; // every file the program wrote, by name
    std::vector<std::string> folderAtEnd;  // the program folder's files after the run
};

struct SoakConfig {
    std::uint32_t seed = 1;
    std::int64_t keystrokes = 2000; // the run ends after the step that reaches this many
    std::string fixture = "small";  // a folder of tests/fixtures
    // Called after every step with the figures so far, for a long run to show its progress.
    std::function<void(const SoakFigures&)> progress;
};

SoakFigures RunSoak(const SoakConfig& config);
