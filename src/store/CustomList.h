#pragma once

#include "store/AddRecord.h"
#include "store/Database.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A custom list: a header line whose first word chooses the mark the added records get, then one
// short form, TAB and expansion a line. Its short forms are merged into the database in one go,
// or taken out of it again.

enum class ListAction { Adding, Removing };

// What one run did, for its report.
struct ListCounts {
    int processed = 0;
    int notAdded = 0;           // adding: refused lines, previously added ones included
    int previouslyAdded = 0;    // adding: already there with the list's text, marked Added
    int activated = 0;          // adding: already there with the list's text, now Activated
    int notRemoved = 0;         // removing: kept, as the user's own or changed since
    int notThere = 0;           // removing: no such short form
    std::string refusedLines;   // adding: the refused lines, each followed by CR LF
    std::string reportedLines;  // the activated lines (adding) or those not removed (removing)
    std::string markCharacters; // adding: the mark characters that refused lines, each once
};

// "AddedWX" gives the Added mark, "UnactivatedWX" none, any other first word the Activated mark.
char ListMarkOfHeader(std::string_view header);

struct ListHooks {
    std::function<void(const ListCounts&)> every100Lines; // a running count for the user
    std::function<void()> lastRecordKept; // a deletion would have emptied a letter group
};

// Runs every line of a list's text through the add operation in the list's mode. Lines without a
// short form are passed over. Empty when the text has no line break: then there is no list.
std::optional<ListCounts> RunCustomList(Database& db, ListAction action, std::string_view text,
                                        const ListHooks& hooks);

// The report of a run, as the main window shows it.
std::string ListReport(const ListCounts& c, ListAction action);
