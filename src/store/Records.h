#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

// Reading the records of a letter group where they stand. A group is CR LF before every record;
// a record runs to the next CR, or to the group's end for the last one. Everything here is a
// view into the group: finding and reading a record copies and allocates nothing, and a view
// lasts only as long as the group's text is left as it is.

// The end of the record that begins at start: the next CR, or the group's end.
std::size_t RecordEnd(std::string_view group, std::size_t start);

// A record's text split at its first TAB: the short form before it, and after it the stored
// text less its state mark. Without a TAB the whole text is the short form.
struct RecordParts {
    std::string_view shortForm;
    std::string_view expansion; // the stored expansion, without the state mark
    char state = '\0';          // mark::Activated, mark::Added, or '\0'
};
RecordParts SplitRecord(std::string_view record);

// One record of a group and where it stands: the engine writes the Activated mark in place, at
// `end`, and the add operation cuts records out by their offsets.
struct Record {
    std::size_t start = 0;      // its first character, just after its CR LF
    std::size_t end = 0;        // its CR, or the group's size for the last record
    std::string_view text;      // start to end: short form, TAB, stored text, state mark
    std::string_view shortForm; // before the TAB (the whole text when there is none)
    std::string_view stored;    // after the TAB, without the state mark
    char mark = '\0';           // mark::Activated, mark::Added, or '\0'
    bool hasTab = false;
};

// The record that begins at start (just after a CR LF, or at the group's size for an empty one).
Record RecordAt(std::string_view group, std::size_t start);
// The record that holds the character at pos.
Record RecordAround(std::string_view group, std::size_t pos);
// The record after the first CR LF; none in a group without one.
std::optional<Record> FirstRecord(std::string_view group);
// The record after r; none when r is the group's last.
std::optional<Record> NextRecord(std::string_view group, const Record& r);
// The record after the group's last CR LF.
std::optional<Record> LastRecord(std::string_view group);

// The first record whose short form is exactly shortForm: the plain search for CR LF + short
// form + TAB, so a short form never matches a longer one it begins, or a piece of an expansion.
std::optional<Record> FindInGroup(std::string_view group, std::string_view shortForm);

// The records of a group in order, for a range-for: `for (const Record& r : RecordsOf(group))`.
struct RecordRange {
    struct Iterator {
        using iterator_category = std::input_iterator_tag;
        using value_type = Record;
        using difference_type = std::ptrdiff_t;

        std::string_view group;
        std::optional<Record> record;

        const Record& operator*() const { return *record; }
        const Record* operator->() const { return &*record; }
        Iterator& operator++() {
            record = NextRecord(group, *record);
            return *this;
        }
        bool operator==(std::default_sentinel_t) const { return !record; }
    };

    std::string_view group;

    Iterator begin() const { return {group, FirstRecord(group)}; }
    std::default_sentinel_t end() const { return {}; }
};
inline RecordRange RecordsOf(std::string_view group) {
    return {group};
}
