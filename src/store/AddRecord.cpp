#include "store/AddRecord.h"

#include "platform/text.h"

#include <optional>

namespace {

constexpr char MarkCharacters[] = {mark::Erase, mark::Activated, mark::Added, '\0'};

bool IsStateMark(char c) {
    return c == mark::Activated || c == mark::Added;
}

std::string_view Trim(std::string_view s) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// A record is one line: a line break or tab that reaches the expansion is stored as its marker,
// as the editor's paste does, instead of splitting the record or its short form from it.
std::string OnOneLine(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            out += '`';
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else if (s[i] == '\t') {
            out += "///";
        } else {
            out += s[i];
        }
    }
    return out;
}

bool EndsRecord(std::string_view group, std::size_t after) {
    if (after == group.size() || group[after] == '\r') return true;
    return IsStateMark(group[after]) && (after + 1 == group.size() || group[after + 1] == '\r');
}

// Whether a record other than the one in [ownFrom, ownTo) has an expansion that ends with the
// bare expansion right after its TAB or after an erase mark: then this text already has a short
// form in the group.
bool OtherRecordHasExpansion(std::string_view group, std::string_view bare, std::size_t ownFrom,
                             std::size_t ownTo) {
    for (const char lead : {'\t', mark::Erase}) {
        std::string pattern(1, lead);
        pattern.append(bare);
        for (std::size_t p = group.find(pattern); p != std::string_view::npos;
             p = group.find(pattern, p + 1)) {
            if (p >= ownFrom && p < ownTo) continue;
            if (EndsRecord(group, p + pattern.size())) return true;
        }
    }
    return false;
}

// The line break of the first record whose short form sorts after the new one, or the end.
std::size_t InsertionPoint(std::string_view group, std::string_view shortForm) {
    for (const Record& r : RecordsOf(group))
        if (r.shortForm > shortForm) return r.start - 2;
    return group.size();
}

} // namespace

GivenExpansion ReadExpansion(std::string_view given) {
    GivenExpansion e{OnOneLine(Trim(given))};
    if (!e.bare.empty() && IsStateMark(e.bare.back())) {
        e.state = e.bare.back();
        e.bare.pop_back();
    }
    return e;
}

bool SortsBelowBang(std::string_view s) {
    return s.empty() || static_cast<unsigned char>(s.front()) < '!';
}

AddOutcome ReadShortForm(std::string_view given, std::string& shortForm) {
    shortForm = Trim(given);
    for (char& c : shortForm)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (shortForm.empty()) return AddOutcome::Nothing;
    for (const char c : shortForm)
        if (c < 'a' || c > 'z') return AddOutcome::InvalidShortForm;
    return AddOutcome::Stored;
}

std::string StoredForm(std::string_view shortForm, std::string_view expansion) {
    if (expansion.starts_with(shortForm)) return std::string(expansion);
    std::string stored(shortForm);
    stored.append(shortForm.size(), mark::Erase);
    return stored.append(expansion);
}

AddResult AddRecord(Database& db, AddMode mode, bool removing, std::string_view listExpansion,
                    std::string_view shortForm, std::string_view expansionWithMark) {
    AddResult result;
    const bool listUse = mode == AddMode::A || mode == AddMode::U;
    std::string sf;
    if (const AddOutcome read = ReadShortForm(shortForm, sf); read != AddOutcome::Stored)
        return {read};
    result.group = GroupIndex(sf.front());

    GivenExpansion given = ReadExpansion(listUse && removing ? "" : expansionWithMark);
    // Only the editor deletes through an empty expansion; a list deletes only when asked to
    // remove, and a rebuild never deletes.
    const bool deletion = listUse ? removing : mode == AddMode::N && SortsBelowBang(given.bare);
    if (!deletion && SortsBelowBang(given.bare)) return {AddOutcome::EmptyExpansion, result.group};
    if (!deletion && given.bare == sf) return {AddOutcome::SameAsShortForm, result.group};
    const std::string stored = deletion ? std::string() : StoredForm(sf, given.bare);

    const std::string& group = db.groups[result.group];
    const std::optional<RecordPos> found = FindRecord(db, sf);
    std::size_t cutFrom = 0; // the new record takes the place of [cutFrom, cutTo)
    std::size_t cutTo = 0;
    bool sameExpansion = false;
    bool wasAdded = false;
    if (found) {
        cutFrom = found->start - 2;
        cutTo = found->end;
        const RecordParts parts = SplitRecord(RecordText(db, *found));
        wasAdded = parts.state == mark::Added;
        sameExpansion = !deletion && parts.expansion == stored;
        if (mode == AddMode::A && removing) {
            if (wasAdded) return {AddOutcome::NotRemovedAdded, result.group};
            if (parts.expansion != StoredForm(sf, ReadExpansion(listExpansion).bare))
                return {AddOutcome::NotRemovedDiffers, result.group};
        }
    } else {
        if (deletion) return {AddOutcome::NotThereToRemove, result.group};
        cutFrom = cutTo = InsertionPoint(group, sf);
    }

    result.outcome = deletion ? AddOutcome::Deleted : AddOutcome::Stored;
    if (!deletion) {
        // The record being replaced does not count against itself.
        if (!sameExpansion && OtherRecordHasExpansion(group, given.bare, cutFrom, cutTo))
            return {AddOutcome::DuplicateExpansion, result.group};
        if (mode == AddMode::A && found) {
            if (!sameExpansion) return {AddOutcome::RefusedListLine, result.group};
            if (wasAdded) return {AddOutcome::PreviouslyAdded, result.group};
            given.state = mark::Activated;
            result.outcome = AddOutcome::Activated;
        }
    }

    std::string newGroup = group.substr(0, cutFrom);
    if (!deletion) {
        newGroup.append(CrLf).append(sf).append(1, '\t').append(stored);
        if (given.state != '\0') newGroup += given.state;
    }
    newGroup.append(group, cutTo);
    if (newGroup.empty()) return {AddOutcome::LastRecord, result.group};
    db.groups[result.group] = std::move(newGroup);
    db.databaseChanged = true;
    result.recordStart = deletion ? cutFrom : cutFrom + 2;
    return result;
}

char MarkCharacterIn(std::string_view text) {
    const std::size_t p = text.find_first_of(MarkCharacters);
    return p == std::string_view::npos ? '\0' : text[p];
}

std::string MarkCharacterMessage(char c) {
    return "The character " + std::string(1, c) +
           " can't be stored in an expansion: Quibnote uses it as a mark in its "
           "database.\r\nRemove it or write it another way, and try again.";
}

std::string_view AddOutcomeMessage(AddOutcome o) {
    switch (o) {
    case AddOutcome::InvalidShortForm:
        return "Invalid short form. Try again with letters only.";
    case AddOutcome::SameAsShortForm:
        return "A short form and its expansion can't be the same.";
    case AddOutcome::DuplicateExpansion:
        return "This word already has a short form in Quibnote. \r\n"
               "Delete it first if you wish to add this one.";
    case AddOutcome::LastRecord:
        return "You can't delete the last short form in a letter group. \r\n"
               "To delete this item you will have to add another item first.";
    default:
        return {};
    }
}
