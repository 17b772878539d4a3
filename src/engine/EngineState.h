#pragma once

#include "engine/Activation.h"
#include "engine/CaretSearch.h"
#include "engine/DefineMode.h"
#include "platform/Form.h"
#include "platform/keys.h"
#include "store/GroupSearch.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The word being assembled from the key readings of the main loop.
struct WordState {
    std::string currentWord;        // lower-case letters since the last delimiter
    std::string typedWord;          // the same letters with the capitals typed (Shift held)
    std::string previousWord;       // the current word at the last word boundary
    std::string currentChar = " ";  // this pass's key as text: "" for keys without a character
    std::string previousChar = " "; // the current character of the previous pass with a key
    std::uint8_t currentKey = vk::Space;
    char typedChar = ' '; // what the user's layout typed with the current key, 0 for nothing
    bool typedWithAltGr = false;
    std::uint8_t lastKey = 0;          // the repeat guard: the last key processed
    std::int16_t lastRangeReading = 0; // the raw reading of the last key the scans read
    std::int32_t wordStartCount = 0;   // keys since the last word boundary
    bool wordActive = false;           // the word began at a boundary, so it is looked up
    char firstLetter = 'a';            // selects the letter group of the word
    bool capitalD = false;             // the last letter was d typed with Shift
};

// What the look-up prepared for the next delimiter, and what it shows meanwhile.
struct ExpansionState {
    bool armed = false;        // the current word is a usable short form
    std::string pendingOutput; // Backspace, one Backspace per erased letter, the completion
    std::string eraseText;     // one Backspace per leading erase mark of the record
    std::string fullPreview;   // the word less its erased letters, then the completion
    std::string lastExpansionShown;
    std::int16_t previewLength = 0; // of the preview shown, at most 70
    std::string endOfListMark;      // " <" when no longer short form continues the word
    // Where the matched record's stored expansion ends in its group when the record carries no
    // state mark (0 when it does), and its expansion less the copy of the short form.
    std::size_t unflaggedRecordEnd = 0;
    std::string recordTail;
    bool useLevelOverride = false; // Alt+S: this word is usable whatever its length
    // The ending of the first suffix key since a delimiter ended an empty word or Alt was held
    // with a continuing key; lower case.
    std::string pendingSuffix;
    bool highlightShown = false; // a suggestion is typed and selected in the target window
    std::int16_t floatingPanelCycle = 1;
};

// The lists of longer short forms shown in the display box while the user pauses.
struct LookAheadState {
    static constexpr std::int16_t kLettersDone = 27;
    static constexpr std::int16_t kSuppressed = 5000;
    static constexpr std::size_t kNotStarted = static_cast<std::size_t>(-1);

    std::int16_t index = 0; // 0 to start, 1..26 the next candidate letter, then 27 or 5000
    int foundCount = 0;
    // The next record of the second list (the index of its CR LF in the group).
    std::size_t secondListNext = kNotStarted;
};

// The program of the target window as the desktop names it, and what the preferences make of
// it: a terminal takes no command keys, and a paused program no expansions.
struct TargetProgramState {
    std::string name;
    bool terminal = false;
    bool paused = false;
};

// The engine's state for the whole run.
struct EngineState {
    bool fastCadence = false;           // set while the floating panel is being positioned
    bool expanderToggleRequest = false; // the menu asked the off loop to turn the expander on
    WindowId target = 0;                // the window the program types into
    TargetProgramState targetProgram;
    std::uint16_t passCounter = 0;
    bool editorOpen = false;
    // The keystroke detector of the expander-off loop.
    int offRunCounter = 0;
    std::uint8_t offLastKey = 0;
    // Typing time: the clock at the previous keystroke, and the interval it ended.
    double previousKeystroke = -1e9;
    double previousInterval = 0.2;
    WordState word;
    ExpansionState expansion;
    LookAheadState lookAhead;
    DefineModeState defineMode;
    VocabularyState vocabulary;
    CaretSearchState caretSearch;
    GroupOrders groupOrders; // which letter groups are in order, for the look-ups
};

// The run's counters; shown by the statistics, never saved.
struct SessionStats {
    std::int32_t charsTyped = 0;
    std::int32_t keystrokesSaved = 0;
    std::int32_t expansions = 0;
    float typingSeconds = 0;
    std::string activatedList;
};
