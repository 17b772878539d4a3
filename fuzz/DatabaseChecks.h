#pragma once

#include "FuzzCheck.h"
#include "platform/text.h"
#include "store/Database.h"
#include "store/DatabaseFile.h"

#include <string>
#include <string_view>

// Two records a letter: a short form that needs erase marks and an Added one.
inline Database StartingDatabase() {
    Database db;
    db.settingsLine = "0 0 0";
    for (int g = 0; g < 26; ++g) {
        const std::string l(1, static_cast<char>('a' + g));
        db.groups[g] = std::string(CrLf) + l + "b\t" + l + "b" + std::string(2, mark::Erase) +
                       "bee" + CrLf + l + "n\t" + l + "nd" + mark::Added;
    }
    return db;
}

// What every change to the letter groups must keep: each group holds records in ascending order
// of short form, each short form once, none is ever emptied, and the database saves to a file
// that loads back the same.
inline void RequireSortedAndLoadable(const Database& db) {
    for (const std::string& group : db.groups) {
        Require(group.starts_with(CrLf) && group.size() > 2, "no group is ever emptied");
        std::string_view previous;
        for (std::size_t lineBreak = 0; lineBreak < group.size();) {
            const std::size_t start = lineBreak + 2;
            const std::size_t end = RecordEnd(group, start);
            const std::string_view shortForm =
                SplitRecord(std::string_view(group).substr(start, end - start)).shortForm;
            Require(lineBreak == 0 || previous < shortForm, "short forms ascend, each once");
            previous = shortForm;
            lineBreak = end;
        }
    }
    const LoadResult reloaded = CutDatabaseText(DatabaseText(db));
    Require(reloaded.db && reloaded.db->groups == db.groups, "the edited database loads as it is");
}
