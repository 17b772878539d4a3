#include "store/CustomList.h"

#include "platform/text.h"
#include "store/ListMerge.h"
#include "store/Settings.h"

namespace {

// Lines end with CR LF; a lone LF ends one too, for lists written on Linux.
std::string_view TakeLine(std::string_view& rest) {
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

bool HasShortForm(std::string_view shortForm) {
    return shortForm.find_first_not_of(" \t") != std::string_view::npos;
}

void Listed(std::string& list, std::string_view line) {
    list.append(line).append(CrLf);
}

void CountAdded(ListCounts& c, AddOutcome o, std::string_view line) {
    switch (o) {
    case AddOutcome::Stored:
        return;
    case AddOutcome::PreviouslyAdded:
        ++c.previouslyAdded;
        ++c.notAdded;
        return;
    case AddOutcome::Activated:
        ++c.activated;
        Listed(c.reportedLines, line);
        return;
    default:
        ++c.notAdded;
        Listed(c.refusedLines, line);
        return;
    }
}

void CountRemoved(ListCounts& c, AddOutcome o, std::string_view line) {
    switch (o) {
    case AddOutcome::Deleted:
        return;
    case AddOutcome::NotThereToRemove:
        ++c.notThere;
        return;
    default:
        ++c.notRemoved;
        Listed(c.reportedLines, line);
        return;
    }
}

std::string Number(int n) {
    return " " + std::to_string(n);
}

} // namespace

char ListMarkOfHeader(std::string_view header) {
    const std::string first = GetField(1, header);
    if (first == "AddedWX") return mark::Added;
    if (first == "UnactivatedWX") return '\0';
    return mark::Activated;
}

std::optional<ListCounts> RunCustomList(Database& db, ListAction action, std::string_view text,
                                        const ListHooks& hooks) {
    const std::size_t headerEnd = text.find_first_of("\r\n");
    if (headerEnd == std::string_view::npos) return std::nullopt;
    const char listMark = ListMarkOfHeader(text.substr(0, headerEnd));
    const AddMode mode = listMark == '\0' ? AddMode::U : AddMode::A;
    const bool removing = action == ListAction::Removing;

    std::string_view rest = text.substr(headerEnd);
    TakeLine(rest);
    ListCounts c;
    // Adding goes through the merge's index, in time proportional to the list; a database the
    // index cannot read as it stands, and removing, go line by line through the add operation.
    const bool merging = !removing && MergeableDatabase(db);
    ListMerge merge;
    while (!rest.empty()) {
        const std::string_view line = TakeLine(rest);
        const std::size_t tab = line.find('\t');
        const std::string_view shortForm = line.substr(0, tab);
        if (!HasShortForm(shortForm)) continue;
        const std::string_view expansion =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        std::string withMark(removing ? std::string_view() : expansion);
        if (!removing && listMark != '\0') withMark += listMark;
        const char markCharacter = removing ? '\0' : MarkCharacterIn(expansion);
        if (markCharacter != '\0' && c.markCharacters.find(markCharacter) == std::string::npos)
            c.markCharacters += markCharacter;
        const AddOutcome o =
            markCharacter != '\0' ? AddOutcome::MarkCharacter
            : merging             ? MergeListLine(merge, db, mode, shortForm, withMark)
                      : AddRecord(db, mode, removing, expansion, shortForm, withMark).outcome;
        if (o == AddOutcome::LastRecord && hooks.lastRecordKept) hooks.lastRecordKept();
        if (removing)
            CountRemoved(c, o, line);
        else
            CountAdded(c, o, line);
        ++c.processed;
        if (c.processed % 100 == 0 && hooks.every100Lines) hooks.every100Lines(c);
    }
    if (merging) FinishListMerge(merge, db);
    db.databaseChanged = true;
    return c;
}

std::string ListReport(const ListCounts& c, ListAction action) {
    std::string r;
    const auto line = [&r](std::string_view label, int n) { r.append(label).append(Number(n)); };
    if (action == ListAction::Adding) {
        line("Short  forms added:", c.processed - c.activated - c.notAdded);
        if (c.previouslyAdded != 0) {
            r += CrLf;
            line("Previously added:", c.previouslyAdded);
        }
        if (c.notAdded != 0) {
            r += CrLf;
            line("S. forms not added:", c.notAdded);
            r.append(":").append(CrLf).append(c.refusedLines);
            for (const char m : c.markCharacters)
                r.append("(the character ")
                    .append(1, m)
                    .append(" is a mark of the database and can't be stored)")
                    .append(CrLf);
        }
        r += CrLf;
        if (c.activated != 0) {
            line("Sh. forms activated:", c.activated);
            if (!c.reportedLines.empty()) r.append(":").append(CrLf).append(c.reportedLines);
        }
        return r;
    }
    line(c.notRemoved == 0 ? "Short forms removed:" : "Short   forms  removed:",
         c.processed - c.notRemoved - c.notThere);
    if (c.notThere != 0) {
        r += CrLf;
        line("SF not there to remove:", c.notThere);
    }
    r += CrLf;
    if (c.notRemoved != 0) {
        line("Sh. forms not removed:", c.notRemoved);
        r.append(":").append(CrLf).append(c.reportedLines);
    }
    return r;
}
