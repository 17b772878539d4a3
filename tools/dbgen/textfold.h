#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dbgen {

// Letters as the expander sees them: it reads key codes, so a user who types an accented word
// types its plain letters, in lower case.
bool IsLowerLetter(char c);
bool IsVowel(char c);
std::string LowerAscii(std::string_view text);

// Accented Windows-1252 letters become their plain letter (e9 -> e); other bytes are kept.
std::string FoldAccents(std::string_view cp1252);

// The runs of letters a-z in a word-list entry, folded and lower-cased: "O'Brien" gives o and
// brien, "don't" gives don and t. These are the pieces that ordinary typing hands to the
// expander, because the apostrophe and the hyphen are delimiters there.
std::vector<std::string> LetterPieces(std::string_view cp1252);

} // namespace dbgen
