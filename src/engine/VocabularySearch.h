#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Searches of a letter group for words the user typed in full, to find the short form they could
// have used. They find text inside stored expansions, never in short forms. Positions are indexes
// into the group.

struct TextMatch {
    std::size_t at = 0; // where the text starts in the group
    std::string text;   // the text that was found
};

// Where a stored expansion's text starts with the phrase of the previous word and the current
// word: joined by an apostrophe (or in the stored form of an expansion with one, previous word,
// current word, erase mark, apostrophe, current word) after an apostrophe delimiter, else by a
// space or a hyphen. The phrase must start the expansion's text (right after the record's TAB
// or an erase mark): "as well" is not found inside "such as well".
std::optional<TextMatch> FindPhrase(std::string_view group, std::string_view previousWord,
                                    std::string_view currentWord, bool afterApostrophe);

// Where text is the whole rest of a stored expansion: it follows the record's TAB or an erase
// mark, and the record ends right after it (its state mark, its CR, or the group's end).
std::optional<std::size_t> FindWholeExpansion(std::string_view group, std::string_view text);

// Where text starts the expansion's text inside [from, to) of the group, as FindPhrase needs it.
std::optional<std::size_t> FindExpansionStart(std::string_view group, std::string_view text,
                                              std::size_t from, std::size_t to);

// The record around a position inside its stored expansion: its short form, and the stored text
// from the position to the record's end, state mark included.
std::string_view ShortFormAround(std::string_view group, std::size_t at);
std::string_view StoredTextFrom(std::string_view group, std::size_t at);
