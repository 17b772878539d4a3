// A custom list of any text, added to and removed from a small database. The list's counts must
// agree with its report and with the lines it lists, the database must stay one that loads, and
// what a list adds it must take out again: a list whose lines were all added, and then all
// removed, leaves the database byte for byte as it was. Adding a list with a mark a second time
// changes nothing.
#include "DatabaseChecks.h"
#include "FuzzCheck.h"
#include "store/CustomList.h"

#include <string>

namespace {

int Lines(const std::string& listed) {
    int n = 0;
    for (std::size_t at = listed.find(CrLf); at != std::string::npos;
         at = listed.find(CrLf, at + 2))
        ++n;
    return n;
}

void RequireCountsAgree(const ListCounts& c, ListAction action, std::string_view text) {
    std::size_t lineBreaks = 0;
    for (char ch : text) lineBreaks += ch == '\n';
    Require(static_cast<std::size_t>(c.processed) <= lineBreaks, "each line is processed once");
    const std::string report = ListReport(c, action);
    if (action == ListAction::Adding) {
        Require(c.notRemoved == 0 && c.notThere == 0, "adding removes nothing");
        Require(c.previouslyAdded <= c.notAdded, "previously added lines are not added");
        Require(c.notAdded + c.activated <= c.processed, "no line is counted twice");
        Require(Lines(c.refusedLines) == c.notAdded - c.previouslyAdded,
                "every refused line is listed");
        Require(Lines(c.reportedLines) == c.activated, "every activated line is listed");
        Require(report.starts_with("Short  forms added: " +
                                   std::to_string(c.processed - c.activated - c.notAdded)),
                "the report counts the added lines");
    } else {
        Require(c.notAdded == 0 && c.activated == 0 && c.previouslyAdded == 0,
                "removing adds nothing");
        Require(c.notRemoved + c.notThere <= c.processed, "no line is counted twice");
        Require(Lines(c.reportedLines) == c.notRemoved, "every line not removed is listed");
        Require(report.find(" removed: " + std::to_string(c.processed - c.notRemoved -
                                                          c.notThere)) != std::string::npos,
                "the report counts the removed lines");
    }
}

std::optional<ListCounts> Run(Database& db, ListAction action, std::string_view text) {
    const std::optional<ListCounts> c = RunCustomList(db, action, text, {});
    if (c) {
        Require(db.databaseChanged, "a list run marks the database changed");
        RequireCountsAgree(*c, action, text);
    }
    RequireSortedAndLoadable(db);
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = InputText(data, size);
    const Database start = StartingDatabase();

    Database db = start;
    const std::optional<ListCounts> added = Run(db, ListAction::Adding, text);
    if (!added) {
        Require(db.groups == start.groups && !db.databaseChanged, "no list changes nothing");
        return 0;
    }
    const Database afterAdding = db;
    const std::optional<ListCounts> removed = Run(db, ListAction::Removing, text);
    Require(removed.has_value(), "a list read once reads again");

    const std::size_t headerEnd = text.find_first_of("\r\n");
    const char listMark = ListMarkOfHeader(text.substr(0, headerEnd));
    // Without a mark, a list replaces records it finds, so taking it out again cannot give
    // them back.
    if (listMark == '\0') return 0;
    const bool allAdded = added->notAdded == 0 && added->activated == 0;
    const bool allRemoved = removed->notRemoved == 0 && removed->notThere == 0;
    if (allAdded && allRemoved)
        Require(db.groups == start.groups,
                "a list added and removed leaves the database as it was");

    Database twice = afterAdding;
    Run(twice, ListAction::Adding, text);
    Require(twice.groups == afterAdding.groups, "adding a list with a mark again changes nothing");
    return 0;
}
