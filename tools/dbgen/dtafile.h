#pragma once

#include "assign.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbgen {

// The settings line the shipped database starts the program with (see docs/database.md).
std::string StartSettingsLine();

// The file's bytes: the settings line, then one line per record (short form, TAB, stored
// expansion), every line ended by CR LF. The records must be in file order.
std::string DatabaseText(std::string_view settings, const std::vector<Record>& records);

// The file cut the way the program's loader cuts it: the settings line (the text before the
// first CR) and 26 letter groups, each starting at the first CR LF followed by its letter and
// running to the next group (the z group to the end, less one final CR LF).
struct LoadedDatabase {
    std::string settings;
    std::array<std::string, 26> groups;
};

// Nothing, with the reason in problem, when a letter group is missing or the groups are out of
// order.
std::optional<LoadedDatabase> CutIntoGroups(std::string_view text, std::string& problem);

// The record lines of one group (the text between its CR LF pairs).
std::vector<std::string_view> GroupLines(std::string_view group);

} // namespace dbgen
