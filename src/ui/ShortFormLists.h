#pragma once

#include "platform/Clock.h"
#include "store/Database.h"

#include <cstddef>
#include <string>
#include <string_view>

// A list longer than this does not fit the display box, which shows its beginning only.
inline constexpr std::size_t LongListLength = 28000;

// The lists of short forms the main window shows, as the texts it puts into its display box.
// Records show as the short form, a TAB and the expansion with its erasures applied; a line
// break inside an expansion starts a new, indented line.

// A letter button: a heading with the count, then the letter's records, all of them or only those
// active at the use level.
std::string LetterListText(const Database& db, int letter, bool activeOnly, int useLevel,
                           const LocalTime& now);

// The part of a long letter list that the display box could not take: from the first whole line
// after character 27,920 on.
std::string RestOfLongList(std::string_view text);

// The records of every letter that match a marker: "=" short forms of exactly maxLength letters,
// "<=" of at most maxLength, in both cases saving at least minSaving keystrokes; or the Added or
// Activated state mark, headed by the count and cut after 1,500 records.
std::string ShortFormListText(const Database& db, std::string_view marker, int maxLength,
                              int minSaving, const LocalTime& now);
