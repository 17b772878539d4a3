#include "store/Normalise.h"

#include "platform/text.h"
#include "store/AddRecord.h"
#include "store/Markers.h"

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

} // namespace

int NormaliseErasures(Database& db) {
    if (db.settingsLine.find("Loffe, 2003") != std::string::npos) return 0;
    int rewritten = 0;
    for (std::string& group : db.groups) {
        for (std::size_t lineBreak = 0; lineBreak < group.size();) {
            const std::size_t start = lineBreak + 2;
            std::size_t end = RecordEnd(group, start);
            const std::string record = group.substr(start, end - start);
            const std::size_t tab = record.find('\t');
            // The mark stays at the end of the expansion, so the rebuild keeps the record's state.
            const std::string_view expansion = tab == std::string::npos
                                                   ? std::string_view()
                                                   : std::string_view(record).substr(tab + 1);
            if (NeedsRewrite(expansion)) {
                const AddResult r = AddRecord(db, AddMode::B, false, {}, record.substr(0, tab),
                                              ApplyErasures(expansion));
                if (r.outcome == AddOutcome::Stored) {
                    ++rewritten;
                    end = RecordEnd(group, start);
                }
            }
            lineBreak = end;
        }
    }
    return rewritten;
}
