#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "store/AddRecord.h"
#include "store/Database.h"

#include <string>
#include <string_view>

// What the short-form editor and the other interactive callers of the add operation keep for
// the whole run.
struct EditorState {
    bool messagesEnabled = true; // refusals show a message box; otherwise they only beep
    int height = 4815;           // the editor's height, remembered from one opening to the next
    bool expanderWasOn = false;  // the expander is suspended while the editor is open
    // The record the editor's look-up last put into the expansion box: its short form and its
    // expansion. Any other text in the box is the user's, which a look-up never replaces.
    std::string loadedShortForm;
    std::string loadedExpansion;
};

// The add operation as the user meets it: a refusal is shown as its message (or, with messages
// off, a beep) and leaves the database as it was. The expansion is the user's text, which may
// hold no mark character; state is the record's new state mark, or '\0'.
AddResult AddRecordInteractively(Dialogs& dialogs, Database& db, bool messagesEnabled,
                                 std::string_view shortForm, std::string_view expansion,
                                 char state = '\0');

// The records of a group from index `from` on, as the user reads them, without a leading line
// break: where a change landed, or where a short form stands or would stand.
std::string RecordsForDisplay(const Database& db, int group, std::size_t from,
                              const LocalTime& now);

// The start of the first record of the group whose short form does not sort before the given
// one: the record itself when it is there, the place it would take otherwise.
std::size_t RecordPlace(std::string_view group, std::string_view shortForm);

// What the editor shows for the short form typed into it.
struct EditorLookup {
    bool found = false;
    std::string expansion; // with its erasures applied, without the state mark
    char state = '\0';
    std::string records; // the group from that short form on, at most 5000 characters and " ..."
};
EditorLookup LookUpForEditor(const Database& db, std::string_view shortForm, const LocalTime& now);

// Clipboard text as an expansion holds it: line breaks become back-quotes, tabs "///".
std::string PastedExpansion(std::string_view clip);

// The state mark of the checked box, or '\0'; the box's text with its own trailing mark taken
// off, for a look-up in the dictionary.
char StateMarkOf(bool added, bool activated);
std::string_view WithoutStateMark(std::string_view text);
