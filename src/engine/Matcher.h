#pragma once

#include "platform/Platform.h"
#include "store/GroupSearch.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the look-up after a letter decides, apart from showing it: whether the word is a short
// form in use, the keys that will replace it at the delimiter, and its preview. It reads the
// letter groups and what it is given here, and nothing of the desktop.

struct MatchInput {
    // The word being typed.
    std::string_view word;   // lower-case letters since the last delimiter
    char firstLetter = 'a';  // selects the letter group
    bool wordActive = false; // the word began at a boundary, so it is looked up
    bool capitalD = false;   // the last letter was d typed with Shift
    // The word's letters with the capitals the user typed, and whether the expansion takes
    // them over (the option is on and Caps Lock, which capitalises on its own, is off).
    std::string_view typedWord = {};
    bool keepCapitals = false;
    // The options.
    int useLevel = 0; // short forms of up to this many letters are in use; 9 all of them
    bool highlightDisplay = false; // the suggestion is typed after the caret
    // The look-ahead list is in view (look-ahead on, the main window not minimized): the longer
    // short forms show there, so the preview does without the end-of-list mark.
    bool lookAheadInView = false;
    // The session.
    bool useLevelOverride = false; // Alt+S: this word is usable whatever its length
    bool defineMode = false;       // a definition is being typed: nothing is previewed
    LocalTime now;                 // for the date markers of the preview
};

enum class MatchOutcome {
    NotAWord,      // the word is not looked up (it did not begin at a boundary)
    NoRecord,      // no record has the word as its short form
    BelowUseLevel, // a record, but longer than the use level allows and not marked
    Armed,         // the next delimiter expands it
};

inline constexpr std::string_view kEndOfListMark = " <";

struct Match {
    MatchOutcome outcome = MatchOutcome::NotAWord;

    // With a record (BelowUseLevel, Armed).
    std::string_view endOfListMark; // kEndOfListMark when no longer short form continues the word
    // Where the record's stored text ends in its group when the record carries no state mark
    // (0 when it does), and the stored text less its copy of the short form and its mark.
    std::size_t unflaggedRecordEnd = 0;
    std::string recordTail;

    // Armed.
    std::string pendingOutput; // Backspace, one Backspace per erased letter, the completion
    std::string eraseText;     // one Backspace per leading erase mark

    // Armed outside define mode.
    bool previewed = false;
    std::string fullPreview;        // the word less its erased letters, then the completion
    std::string lastExpansionShown; // the full preview with its markers as they are shown
    std::string preview;            // as the panel and the caption show it
    std::int16_t previewLength = 0; // of the preview, at most 70
    // With the highlight display: the completion as typed and left selected after the caret.
    std::optional<std::string> highlight;
};

Match MatchWord(const std::array<std::string, 26>& groups, GroupOrders& orders,
                const MatchInput& in);
