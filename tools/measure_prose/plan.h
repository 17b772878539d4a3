#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace measure {

// A plain-text book as a writer types it: each paragraph (lines up to a blank line) becomes one
// line, its hard-wrapped lines joined by single spaces, and each paragraph ends with one Enter
// ('\n'). With maxWords above 0 the text ends with the paragraph that holds that many
// whitespace-separated words. CR characters are dropped.
std::string Paragraphs(std::string_view book, std::size_t maxWords);
std::size_t CountWords(std::string_view text);

// A word of the text (a run of letters, or a contraction that has a short form of its own) and
// how the user types it: by its short form, or in full.
struct PlannedWord {
    std::size_t begin = 0;
    std::size_t end = 0;   // one past its last letter; the text always goes on after it
    std::string shortForm; // empty: typed in full
};

// One key the user types: the character it gives, and the word that this key ends (-1 for none),
// after which the document must read the text up to and including this character.
struct Stroke {
    char c = ' ';
    int endsWord = -1;
};

struct Plan {
    std::string text; // what the document must read when the user is done
    std::vector<PlannedWord> words;
    std::vector<Stroke> strokes;
    int byShortForm = 0;
    // Typed in full although a usable form types the word in lower case: the expander types
    // stored text unchanged, so a capitalised word cannot come from it.
    int capitalisedInFull = 0;
    // Typed in full although a usable form types it: the character before the word does not
    // start a new word for the expander, or the one after it is not a delimiter.
    int placeInFull = 0;
};

// The user's plan for a text: every word that has a form usable at the level (formsByExpansion)
// and stands where the expander looks it up is typed by that form; everything else is typed as
// it stands.
Plan MakePlan(std::string text, const std::map<std::string, std::string>& formsByExpansion);

} // namespace measure
