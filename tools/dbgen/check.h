#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace dbgen {

struct CheckResult {
    std::size_t records = 0;
    std::vector<std::string> problems; // empty when the file is well formed
};

// Whether a database file is what the program's loader and the add operation expect: a settings
// line with its 23 fields and the Original type code; 26 letter groups in order, none empty;
// records in ascending binary order of short form, each a short form of letters a-z, one TAB,
// and a stored expansion that begins with the short form, holds no CR, LF or TAB and carries
// no state mark; every erase mark normal (the short form's run as long as the text before it;
// later runs, inside an accented word, erasing only letters of that word); no expansion twice
// in a group by the add operation's duplicate search; every short form at most seven letters,
// shorter than what it types and not in realWords; a record for every accent form that the
// missed-short-form check searches for; at least minRecords records.
CheckResult CheckDatabase(std::string_view text, const std::unordered_set<std::string>& realWords,
                          std::size_t minRecords);

} // namespace dbgen
