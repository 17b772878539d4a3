#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace dbgen {

// The consonant skeleton of a word: its first letter, then every later consonant, a doubled
// letter counted once ("about" abt, "because" bcs, "little" ltl).
std::string Skeleton(std::string_view letters);

// The first short form of length n for a word of lower-case letters that accept takes, or an
// empty text. Candidates come best guess first, and every one keeps the first letter and takes
// later letters in their order, so a user who knows the scheme can rebuild it: the skeleton's
// beginning; the skeleton's beginning closed by its last consonant; other picks from the
// skeleton, earlier letters first; the word's beginning; other picks from the whole word, fewer
// vowels first.
std::string FirstCandidate(std::string_view letters, std::size_t n,
                           const std::function<bool(const std::string&)>& accept);

} // namespace dbgen
