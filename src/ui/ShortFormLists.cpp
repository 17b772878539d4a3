#include "ui/ShortFormLists.h"

#include "platform/text.h"
#include "store/Markers.h"

namespace {

constexpr std::size_t kRestFrom = 27920; // where the rest of a long list is looked for
constexpr int kMostMarked = 1500;        // records listed by state mark

// Each line break of an expansion shown as a new, indented line, and its other markers as they
// show in lists.
std::string ShowLineBreaks(std::string_view records, const LocalTime& now) {
    return ReplaceWithMarkers(records, "`", "\r\n\t", MarkerMode::Display, now);
}

int RecordCount(std::string_view group) {
    int n = 0;
    for ([[maybe_unused]] const Record& r : RecordsOf(group)) ++n;
    return n;
}

std::string Count(int n) {
    return std::to_string(n);
}

// Calls take(record) for every record of every group, in order.
template <typename Take> void ForEachRecord(const Database& db, Take take) {
    for (const std::string& group : db.groups)
        for (const Record& r : RecordsOf(group)) take(r);
}

std::string LengthList(const Database& db, bool exact, int maxLength, int minSaving) {
    std::string list;
    ForEachRecord(db, [&](const Record& r) {
        const std::string shown = ApplyErasures(r.text);
        if (shown.find('\t') == std::string::npos) return;
        const RecordParts parts = SplitRecord(shown);
        const int length = static_cast<int>(parts.shortForm.size());
        // The state mark is no part of what an expansion types.
        const int saving = static_cast<int>(parts.expansion.size()) - length;
        const bool fits = exact ? length == maxLength : length <= maxLength;
        if (fits && saving >= minSaving) list.append(shown).append(CrLf);
    });
    return list;
}

std::string MarkedList(const Database& db, char mark, int& count) {
    std::string list;
    count = 0;
    ForEachRecord(db, [&](const Record& r) {
        if (mark == '\0' || r.mark != mark) return;
        if (++count > kMostMarked) return;
        list.append(ApplyErasures(r.text.substr(0, r.text.size() - 1))).append(CrLf);
        if (count == kMostMarked) list += "...";
    });
    return list;
}

} // namespace

std::string LetterListText(const Database& db, int letter, bool activeOnly, int useLevel,
                           const LocalTime& now) {
    const std::string& group = db.groups[letter];
    const std::string quoted = " '" + std::string(1, static_cast<char>('a' + letter));
    std::string heading;
    std::string list; // every record after its CR LF, as in a letter group
    if (activeOnly) {
        const ActiveList active = ActiveListOfGroup(group, useLevel);
        heading = Count(active.count) + " Available" + quoted + (active.count == 1 ? "':" : "'s:");
        if (!active.text.empty()) list = CrLf + active.text.substr(0, active.text.size() - 2);
    } else {
        heading = Count(RecordCount(group)) + quoted + "'s:";
        list = group;
    }
    if (!list.empty()) list = ShowLineBreaks(ApplyErasures(list), now).substr(2);
    return heading + CrLf + list;
}

std::string RestOfLongList(std::string_view text) {
    const std::size_t cr = text.find('\r', kRestFrom - 1);
    const std::string_view rest = cr == std::string_view::npos
                                      ? std::string_view()
                                      : text.substr(std::min(cr + 2, text.size()));
    return "...\r\n" + std::string(rest);
}

std::string ShortFormListText(const Database& db, std::string_view marker, int maxLength,
                              int minSaving, const LocalTime& now) {
    if (marker == "=" || marker == "<=")
        return ShowLineBreaks(LengthList(db, marker == "=", maxLength, minSaving), now);
    int count = 0;
    const char mark = marker.empty() ? '\0' : marker.front();
    const std::string list = MarkedList(db, mark, count);
    std::string heading;
    if (mark == mark::Added)
        heading = "You have added " + Count(count) + " short form" + (count == 1 ? "" : "s") + ":";
    else
        heading = "You have activated " + Count(count) + " short forms:";
    return heading + "\r\n\r\n" + ShowLineBreaks(list, now);
}
