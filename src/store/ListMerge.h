#pragma once

#include "store/AddRecord.h"
#include "store/Database.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

// Adding a custom list of any length: the add operation's rules for a list line, applied to an
// index of each letter group instead of its text, and each changed group written back once at the
// end. The add operation itself searches and rewrites the whole group for every line, so a list
// took time with the square of its length.

struct MergeRecord {
    std::string stored; // after the TAB, without the state mark
    char state = '\0';
};

struct MergeGroup {
    bool indexed = false;
    std::map<std::string, MergeRecord, std::less<>> records; // by short form, in file order
    // How many records end with a text right after their TAB or after an erase mark: the
    // duplicate-expansion test of the add operation.
    std::unordered_map<std::string, int> endings;
};

struct ListMerge {
    std::array<MergeGroup, 26> groups;
};

// Whether every group is as the index reads it: each record a short form of letters, one TAB,
// short forms strictly ascending. A hand-edited group that is not is merged the slow way.
bool MergeableDatabase(const Database& db);

// One list line, as AddRecord(db, mode, false, {}, shortForm, expansionWithMark) would add it
// (mode A or U), with the same outcome; the database itself changes only at FinishListMerge.
AddOutcome MergeListLine(ListMerge& m, const Database& db, AddMode mode, std::string_view shortForm,
                         std::string_view expansionWithMark);

// Writes the groups the merge changed back into the database.
void FinishListMerge(ListMerge& m, Database& db);
