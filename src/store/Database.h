#pragma once

#include "store/Records.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The short-form database held whole in memory: the settings line and one text per initial
// letter. Every group begins with CR LF and holds at least one record; a record is the short
// form, a TAB, the stored expansion and at most one state mark. Positions are 0-based indexes.
struct Database {
    std::string settingsLine;           // line 1, without CR LF
    std::array<std::string, 26> groups; // each begins with "\r\n"
    bool databaseChanged = false;
    bool settingsChanged = false;
};

// Letters below 'a' fall into group a, letters above 'z' into group z.
int GroupIndex(char firstLetter);

// Where a record stands: its group, the index of its first character (after its CR LF) and the
// index one past its last character (its terminating CR, or the group's end).
struct RecordPos {
    int group = 0;
    std::size_t start = 0;
    std::size_t end = 0;
};

// Looks for CR LF + short form + TAB, so a short form never matches a longer one it begins, or
// a piece of an expansion.
std::optional<RecordPos> FindRecord(const Database& db, std::string_view shortForm);
std::string_view RecordText(const Database& db, const RecordPos& pos);

// The records of a group that are active at a use level, each followed by CR LF: Added records
// whole (mark included), Activated ones without their mark, and unmarked ones whose short form
// is within the level. Level 9 takes every record, as it does for the expander.
struct ActiveList {
    std::string text;
    int count = 0;
};
ActiveList ActiveListOfGroup(std::string_view group, int useLevel);
