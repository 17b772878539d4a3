#pragma once

#include <cstdint>
#include <string>

struct Core;

// How the vocabulary grows: a short form the user expands gets the Activated mark, so it keeps
// working at any use level; a word or two-word phrase typed in full that has a short form is
// pointed out ("Missed short form:") or, when that short form is not in use yet, activated.
struct VocabularyState {
    std::string lastFullPreview;      // the preview of a short form armed at the last word boundary
    std::string lastDelimiter;        // the character of the delimiter that ended that word
    std::int32_t activationCount = 0; // lines added to the session's activated list
};

// The session's list keeps the newest 15 activations.
inline constexpr std::int32_t kActivatedListLines = 15;

// At a delimiter in normal mode, after the expansion step: activates the expanded short form,
// or checks a word that did not expand for a short form the user missed; then remembers the
// word for the next check.
void CheckVocabulary(Core& core);
// A line of short form, TAB and expansion at the front of the session's activated list.
void AddActivatedLine(Core& core, const std::string& line);
