#include "clip/QuibEntries.h"

#include "clip/ClipCase.h"
#include "platform/Form.h"
#include "platform/text.h"
#include "store/Markers.h"

namespace {

constexpr std::size_t kQualifyingLength = 12;
constexpr std::size_t kShownLength = 250;
constexpr int kQuibForms = 26 * 26;

bool IsSmallLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsQuibForm(std::string_view form) {
    return form.size() == 4 && form.starts_with("zz") && IsSmallLetter(form[2]) &&
           IsSmallLetter(form[3]);
}

// zzaa, zzab, ... zzaz, zzba, ... zzzz, and zzaa again.
std::string NextForm(std::string form) {
    if (form[3] != 'z') {
        ++form[3];
    } else {
        form[3] = 'a';
        form[2] = form[2] == 'z' ? 'a' : static_cast<char>(form[2] + 1);
    }
    return form;
}

// The short form of the group's last record; empty when the group ends with a line break or
// its last line has no TAB.
std::string_view LastShortForm(std::string_view group) {
    const std::optional<Record> last = LastRecord(group);
    return last && last->hasTab ? last->shortForm : std::string_view();
}

} // namespace

int RowHeight(int fontSize) {
    return TextRowTwips(fontSize);
}

int RowAt(int y, int rowHeight) {
    return rowHeight > 0 ? y / rowHeight + 1 : 0;
}

bool QualifiesForQuibList(std::string_view shortForm, std::string_view expansion) {
    return shortForm.starts_with("zz") || expansion.size() >= kQualifyingLength;
}

QuibEntries CollectQuibEntries(const Database& db, const LocalTime& now) {
    QuibEntries list;
    for (const std::string& group : db.groups) {
        for (const Record& r : RecordsOf(group)) {
            if (r.mark != mark::Added) continue;
            const std::string expansion = ApplyErasures(r.stored);
            if (!QualifiesForQuibList(r.shortForm, expansion)) continue;
            if (list.pasteTexts.size() == kMaxQuibEntries) {
                list.tooMany = true;
                continue;
            }
            // Markers are rendered before the cut, so no marker is ever shown half.
            std::string shown = ReplaceWithMarkers(expansion, "`", "`", MarkerMode::Display, now);
            if (shown.size() > kShownLength) shown = shown.substr(0, kShownLength) + "...";
            list.textColumn += shown + CrLf;
            list.shortFormColumn.append(r.shortForm).append(CrLf);
            list.pasteTexts.push_back(
                ReplaceWithMarkers(expansion, "`", "\r", MarkerMode::Typing, now));
            list.shortForms.emplace_back(r.shortForm);
        }
    }
    list.rows = static_cast<int>(list.pasteTexts.size());
    if (list.rows == 0) {
        list.rows = 1;
        list.textColumn = kNoQuibEntries;
    }
    return list;
}

std::optional<std::string> NextQuibShortForm(const Database& db) {
    const std::string_view last = LastShortForm(db.groups[25]);
    // A block pasted before stands last in the group, so the search goes on from it; anything
    // else there leaves the search to begin at the start. Taken forms are stepped over either
    // way, so a block already stored is never replaced.
    std::string form = IsQuibForm(last) ? NextForm(std::string(last)) : "zzaa";
    for (int tried = 0; tried < kQuibForms; ++tried, form = NextForm(form))
        if (!FindRecord(db, form)) return form;
    return std::nullopt;
}

std::string CapitalsOutsideKeyTokens(std::string_view script) {
    std::string out;
    out.reserve(script.size());
    const std::size_t n = script.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = script[i];
        if (c == '{' && i + 3 < n) {
            std::size_t end = i;
            if (script[i + 1] == '\'') {
                while (end < n - 1 && script[end] != '}') ++end;
            } else if (script[i + 3] == '}') {
                end = i + 3;
            }
            if (end > i) {
                out.append(script.substr(i, end - i + 1));
                i = end;
                continue;
            }
        }
        out += UpperCase(std::string_view(&script[i], 1));
    }
    return out;
}
