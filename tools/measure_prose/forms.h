#pragma once

#include "store/Database.h"

#include <array>
#include <map>
#include <string>

namespace measure {

// For each expansion text, the shortest short form usable at a use level that types it (the
// first in file order among equals). Expansions with line-break, tab or key-script markers are
// left out: no word of running text reads as one.
std::map<std::string, std::string> UsableFormsByExpansion(const Database& db, int useLevel);

// Records by short-form length (index = length, 0 unused), and how many are usable at a level.
struct RecordCounts {
    std::array<int, 10> byLength{};
    int longer = 0; // short forms of more than 9 letters
    int total = 0;
    int usable = 0;
};
RecordCounts CountRecords(const Database& db, int useLevel);

} // namespace measure
