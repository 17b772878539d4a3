#pragma once

#include <string>
#include <vector>

namespace dbgen {

// A hand-picked phrase and the short forms it should have, best first, separated by spaces:
// the first of them that is free is taken, and the scheme chooses when none is.
struct CuratedEntry {
    std::string expansion;
    std::string preferred;
};

// The accent corrections that the missed-short-form check looks for: the word a user types
// without accents, and the stored text of the accented word.
struct AccentForm {
    std::string typed;
    std::string stored;
};

std::vector<AccentForm> AccentForms();

// Common contractions; each is offered under its letters without the apostrophe (dont) unless
// that is a word (cant, well), when the scheme chooses another form.
std::vector<std::string> Contractions();

// Frequent multi-word phrases of everyday and business writing.
std::vector<CuratedEntry> Phrases();

// Words the database does not offer as expansions: slurs and strong profanity (the frequency
// list comes from film subtitles), and "don", counted there for every don't.
bool IsExcludedWord(const std::string& lowerWord);

// Letter strings people type that the word lists lack: units, file types, internet and chat
// tokens, US state codes, Roman numerals. None becomes a short form.
std::vector<std::string> TypedTokens();

} // namespace dbgen
