#pragma once

#include "store/Database.h"

#include <cstddef>
#include <string>
#include <string_view>

// The one operation that adds, changes and deletes records. It validates the pair, brings the
// expansion into stored form and puts the record in its group in order. It shows nothing: the
// caller turns the outcome into a message, a beep or a custom-list count.

// N: the editor and define mode (interactive). A: a custom list whose records carry a mark.
// U: an unactivated custom list. B: rebuilding a record at start-up.
enum class AddMode { N, A, U, B };

enum class AddOutcome {
    Nothing,            // empty short form
    Stored,             // added or replaced
    Deleted,            //
    InvalidShortForm,   // not letters only
    SameAsShortForm,    // the expansion is the short form itself
    DuplicateExpansion, // another record of the group already ends with this expansion
    LastRecord,         // the deletion would empty the letter group
    NotThereToRemove,   // deletion of a short form that is not in the database
    NotRemovedAdded,    // list removal (A): the record is the user's own Added record
    NotRemovedDiffers,  // list removal (A): the record's expansion is not the list's
    PreviouslyAdded,    // list addition (A): already there with this expansion, marked Added
    RefusedListLine,    // list addition (A): already there with another expansion
    Activated,          // list addition (A): already there with this expansion, now Activated
    EmptyExpansion,     // an addition from a list, or a rebuild, that brings no expansion
    MarkCharacter,      // text the user gave holds a character the stored form uses as a mark
};

struct [[nodiscard]] AddResult {
    AddOutcome outcome = AddOutcome::Nothing;
    int group = 0;
    // Stored: where the record now stands (first character after its CR LF). Deleted: where the
    // removed record's line break stood, now the line break of the record that followed it (or
    // the group's end).
    std::size_t recordStart = 0;
};

// The pieces of the add operation's rules that the merge of a long list shares with it.
// The given short form trimmed and in lower case; Nothing when it is empty, InvalidShortForm when
// it is not letters only, Stored otherwise.
AddOutcome ReadShortForm(std::string_view given, std::string& shortForm);
// The given expansion trimmed, on one line, and its trailing state mark apart.
struct GivenExpansion {
    std::string bare;
    char state = '\0';
};
GivenExpansion ReadExpansion(std::string_view given);
// An expansion that sorts below "!" (empty, or beginning with a control character) asks for
// nothing to be stored.
bool SortsBelowBang(std::string_view s);

// The expansion as stored for a short form: unchanged when it begins with the short form,
// otherwise the short form, one erase mark per letter, and the expansion.
std::string StoredForm(std::string_view shortForm, std::string_view expansion);

// expansionWithMark may end with mark::Added or mark::Activated, the record's new state. In the
// editor (N) an empty expansion asks for a deletion; in list use (A, U) removing asks for one and
// the expansion is ignored, while listExpansion (the list line's expansion, without mark) is
// what a marked list's record must still hold to be removed. Line breaks and tabs inside the
// expansion are stored as their markers, so a record always stays on one line.
AddResult AddRecord(Database& db, AddMode mode, bool removing, std::string_view listExpansion,
                    std::string_view shortForm, std::string_view expansionWithMark);

// The first character of text the user gives (an expansion typed, pasted or listed) that the
// stored form uses as a mark: the erase mark or a state mark. '\0' when there is none. Stored,
// such a character would not come back as given, so it is refused where the text comes in.
char MarkCharacterIn(std::string_view text);
std::string MarkCharacterMessage(char c);

// The message an interactive caller shows for a refusal; empty for the other outcomes. The
// last-record refusal is shown in every mode.
std::string_view AddOutcomeMessage(AddOutcome o);
