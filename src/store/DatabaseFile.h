#pragma once

#include "store/Database.h"

#include <optional>
#include <string>
#include <string_view>

// The database file's text: the settings line, then every record on its own line, groups in
// order a to z, each line ending with CR LF.

struct [[nodiscard]] LoadResult {
    std::optional<Database> db;
    std::string error; // set when db is empty: the problem, in words a user can act on
};

// Cuts a whole file's text into the settings line and the 26 letter groups. A file that cannot
// be used as it stands is refused, never repaired: empty, without records, with line ends other
// than CR LF, with a line that is not a record, a missing letter group or groups out of order.
// A file whose last line lacks its CR LF is accepted; the next save adds it.
LoadResult CutDatabaseText(std::string_view fileText);

// The file's text for a database; cutting it gives back the same database.
std::string DatabaseText(const Database& db);
std::string DatabaseText(std::string_view settingsLine, const Database& db);

// Removes one final CR LF, if present.
std::string_view StripTrailingLineBreak(std::string_view text);
