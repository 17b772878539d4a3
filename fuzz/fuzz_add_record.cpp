// The add operation driven by any sequence of edits, list lines and rebuilds. Whatever it is
// given, the database must stay a file that loads: every group holds records in ascending order
// of short form, each short form once, and a refused edit changes nothing.
//
// Input: one edit a line, "<op>|<short form>|<expansion>|<list expansion>", where op's low two
// bits choose the mode (N, A, U, B) and bit 2 asks for a removal.
#include "DatabaseChecks.h"
#include "FuzzCheck.h"
#include "platform/text.h"
#include "store/AddRecord.h"
#include "store/Database.h"
#include "store/DatabaseFile.h"

#include <array>
#include <string>

namespace {

std::string_view NextPart(std::string_view& rest) {
    const std::size_t bar = rest.find('|');
    const std::string_view part = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Database db = StartingDatabase();
    std::string_view input = InputText(data, size);
    while (!input.empty()) {
        const std::size_t lf = input.find('\n');
        std::string_view line = input.substr(0, lf);
        input = lf == std::string_view::npos ? std::string_view() : input.substr(lf + 1);
        if (line.empty()) continue;
        const auto op = static_cast<unsigned char>(line.front());
        line.remove_prefix(1);
        NextPart(line);
        const std::string_view shortForm = NextPart(line);
        const std::string_view expansion = NextPart(line);
        const std::string_view listExpansion = NextPart(line);
        constexpr std::array<AddMode, 4> modes = {AddMode::N, AddMode::A, AddMode::U, AddMode::B};

        const Database before = db;
        db.databaseChanged = false;
        const AddResult r =
            AddRecord(db, modes[op & 3], (op & 4) != 0, listExpansion, shortForm, expansion);
        const bool changes = r.outcome == AddOutcome::Stored || r.outcome == AddOutcome::Deleted ||
                             r.outcome == AddOutcome::Activated;
        Require(db.databaseChanged == changes, "only a change marks the database changed");
        if (!changes) Require(db.groups == before.groups, "a refused edit changes nothing");
        Require(r.group >= 0 && r.group < 26, "the outcome names a letter group");
        if (r.outcome == AddOutcome::Stored || r.outcome == AddOutcome::Activated) {
            const std::string& group = db.groups[static_cast<std::size_t>(r.group)];
            Require(r.recordStart >= 2 && r.recordStart <= group.size() &&
                        group.compare(r.recordStart - 2, 2, CrLf) == 0,
                    "a stored record's place is the start of a record");
        }
        RequireSortedAndLoadable(db);
    }
    return 0;
}
