#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace dbgen {

// The real words: every letter piece of every entry of the word lists, in lower case. No short
// form may be one of them, so typing a word, a name or a part of a contraction never expands.
std::unordered_set<std::string> RealWords(const std::vector<std::string>& entries);

// The spellings of the standard word list, by their folded lower-case letters ("cafe" finds
// the accented entry, "paris" finds Paris).
using Spellings = std::map<std::string, std::vector<std::string>>;
Spellings BuildSpellings(const std::vector<std::string>& entries);

// How a word of the frequency list is written as an expansion: the lower-case entry when the
// word list has it; else the frequency list's own spelling when the list has it; else a
// capitalised entry (a name); else an accented one. Nothing for words the list lacks, for
// entries written in capitals only (acronyms) and for entries that are not plain letters.
std::optional<std::string> SpellingOf(const Spellings& spellings, std::string_view word);

} // namespace dbgen
