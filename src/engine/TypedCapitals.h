#pragma once

#include <string>
#include <string_view>

// The capitals the user typed in a short form, carried over to its expansion.
enum class Capitals {
    AsStored, // no capital first letter: the expansion as the record has it
    First,    // a capital first letter: the expansion begins with a capital
    All,      // two letters or more, all capitals: the expansion in capitals
};

// From the word as the user typed it (its letters with the capitals the user gave them).
Capitals CapitalsOf(std::string_view typedWord);

// The completion of a record (its text after the erased letters, markers and key tokens as
// stored) with the capitals applied to its plain text only: a marker (a date picture, a comment,
// a key script) and a key token or comment are left as they are, since "{^c}" and "{^C}" are
// different keys and a date picture's letters are its fields. First capitalises the
// completion's first character when it is a small letter and nothing else.
std::string WithCapitals(std::string_view completion, Capitals capitals);
