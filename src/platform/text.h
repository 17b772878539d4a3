#pragma once

#include <string>
#include <string_view>

// Program text is Windows-1252 bytes; these are the only conversions to and from Unicode.
// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8FromCp1252(std::string_view cp1252);
std::string Cp1252FromUtf8(std::string_view utf8);
std::u16string Utf16FromCp1252(std::string_view cp1252);
std::string Cp1252FromUtf16(std::u16string_view utf16);

// A small letter's capital (accented letters too); any other character as it is.
char UpperLetter(char c);
// The text with A to Z made small and every other character as it is: for names and keys.
std::string LowerAscii(std::string_view s);

// The marks of stored expansions, as Windows-1252 bytes.
namespace mark {
inline constexpr char Erase = '\xA1';     // inverted exclamation mark
inline constexpr char Activated = '\xB7'; // middle dot
inline constexpr char Added = '\xB0';     // degree sign
} // namespace mark

inline constexpr const char* CrLf = "\r\n";
