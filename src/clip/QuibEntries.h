#pragma once

#include "platform/Clock.h"
#include "store/Database.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the Quib List lists: the user's Added blocks, and the short forms CLPaste gives new ones.

inline constexpr std::size_t kMaxQuibEntries = 35;
inline constexpr std::string_view kNoQuibEntries = "Expansions you add will show here!";
inline constexpr std::string_view kTooManyQuibEntries =
    "Only 35 clips can be shown on the Pick List,\r\n"
    "and there are now more than 35 to display.\r\n\r\n"
    "Please delete at least one clip you no longer\r\n"
    "want so all qualifying clips can be shown.\r\n\r\n"
    "Click the short form in the Edit column to delete it.";

// The height of one text row of the display box and of the Quib List for a font size in points;
// 0 for a size without rows of its own.
int RowHeight(int fontSize);
// The row a click y twips below a box's top hits, from 1; 0 when rows have no height.
int RowAt(int y, int rowHeight);

// An Added record is a block for the list when its short form begins with zz (CLPaste made it)
// or its expansion, erasures applied, is at least 12 characters long.
bool QualifiesForQuibList(std::string_view shortForm, std::string_view expansion);

struct QuibEntries {
    // Per entry: what a click types (line breaks as carriage returns, dates as of now) and the
    // short form.
    std::vector<std::string> pasteTexts;
    std::vector<std::string> shortForms;
    // The two columns, one row per entry: short forms, and texts cut at 250 characters with
    // their line breaks shown as back-quotes.
    std::string shortFormColumn;
    std::string textColumn;
    int rows = 0;         // at least 1: with no entry the text column holds a note
    bool tooMany = false; // more than 35 blocks qualify; the first 35 are listed
};
QuibEntries CollectQuibEntries(const Database& db, const LocalTime& now);

// The short form CLPaste gives a new block: the first free one of zzaa, zzab, ... zzzz, looked
// for after the last record of letter z when that is one of them, from zzaa otherwise. None
// when all 676 are taken.
std::optional<std::string> NextQuibShortForm(const Database& db);

// A block typed while Caps Lock is on: its text in capitals, but its key tokens and comments as
// they are, since "{^c}" and "{^C}" are different keys.
std::string CapitalsOutsideKeyTokens(std::string_view script);
