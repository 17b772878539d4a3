#include "engine/LookAhead.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/DefineMode.h"
#include "platform/text.h"
#include "store/Markers.h"

namespace {

constexpr int kPerPass = 7;
constexpr std::string_view kMore = "\r\n...";

// Listed when short forms of its length are in use, or it carries a state mark. The word is
// `extra` letters shorter than the short form.
bool Listed(const Core& core, const Record& r, std::size_t extra) {
    const int level = core.options.useLevel;
    return static_cast<int>(core.engine.word.currentWord.size() + extra) <= level || level >= 9 ||
           core.engine.expansion.useLevelOverride || r.mark != '\0';
}

// One record as a line of the list: short form, TAB and the expansion as the user reads it.
// The first record found comes without the line break before it.
std::string ListLine(Core& core, std::string_view group, const Record& r) {
    LookAheadState& la = core.engine.lookAhead;
    const std::size_t start = la.foundCount == 1 ? r.start : r.start - 2;
    std::string line(group.substr(start, r.end - start));
    const LocalTime now = core.platform.localTime();
    // At the lowest use levels the activated forms are the user's whole vocabulary; the mark
    // would only clutter the list.
    if (core.options.useLevel <= 1 && !core.engine.expansion.useLevelOverride)
        line =
            ReplaceWithMarkers(line, std::string(1, mark::Activated), "", MarkerMode::Typing, now);
    return ReplaceWithMarkers(ApplyErasures(line), "`", "\r\n\t", MarkerMode::Display, now);
}

bool RemoveTrailingMore(std::string& text) {
    if (!text.ends_with(kMore)) return false;
    text.resize(text.size() - kMore.size());
    return true;
}

// Adds a pass's records to the display box; "..." stands at the end while more may follow.
void ShowListPass(Core& core, std::string list, bool finished) {
    std::string box = core.windows.displayText();
    if (box.empty() && list.starts_with(CrLf)) list.erase(0, 2);
    if (!list.empty()) {
        RemoveTrailingMore(box);
        if (!finished) list += kMore;
        core.windows.setDisplayText(box + list);
    } else if (finished && RemoveTrailingMore(box)) {
        core.windows.setDisplayText(box);
    }
}

const std::string& WordGroup(const Core& core) {
    return core.db.groups[GroupIndex(core.engine.word.firstLetter)];
}

void FirstListPass(Core& core) {
    LookAheadState& la = core.engine.lookAhead;
    const std::string& group = WordGroup(core);
    GroupOrder& order = core.engine.groupOrders[GroupIndex(core.engine.word.firstLetter)];
    std::string candidate = core.engine.word.currentWord + '?';
    std::string list;
    for (int n = 0; n < kPerPass && la.index < LookAheadState::kLettersDone; ++n, ++la.index) {
        candidate.back() = static_cast<char>(96 + la.index);
        const std::optional<Record> r = FindShortForm(order, group, candidate);
        if (!r) continue;
        ++la.foundCount;
        if (Listed(core, *r, 1)) list += ListLine(core, group, *r);
    }
    ShowListPass(core, std::move(list), la.index >= LookAheadState::kLettersDone);
}

// The short forms two or more letters longer, in group order from the first that begins with
// the word; the one-letter-longer ones were in the first list.
void SecondListPass(Core& core) {
    LookAheadState& la = core.engine.lookAhead;
    const std::string& group = WordGroup(core);
    const std::string& word = core.engine.word.currentWord;
    if (la.secondListNext == LookAheadState::kNotStarted) {
        core.windows.setDisplayText(core.windows.displayText() + CrLf);
        const std::size_t first = group.find(CrLf + word);
        la.secondListNext = first == std::string::npos ? 0 : first;
    }
    std::string list;
    bool finished = false;
    for (int n = 0; n < kPerPass && !finished; ++n) {
        const std::size_t at = la.secondListNext;
        if (at >= group.size()) {
            finished = true;
            break;
        }
        const Record r = RecordAt(group, at + 2);
        la.secondListNext = r.end;
        if (!r.shortForm.starts_with(word)) {
            finished = true;
        } else if (r.shortForm.size() != word.size() + 1) {
            ++la.foundCount;
            if (Listed(core, r, 2)) list += ListLine(core, group, r);
        }
    }
    if (finished) la.index = LookAheadState::kSuppressed;
    ShowListPass(core, std::move(list), finished);
}

} // namespace

void ResetLookAhead(Core& core) {
    LookAheadState& la = core.engine.lookAhead;
    la.index = 0;
    la.foundCount = 0;
    la.secondListNext = LookAheadState::kNotStarted;
}

void RunLookAhead(Core& core) {
    if (core.windows.mainWindowMinimized() || !core.options.lookAhead ||
        !core.engine.word.wordActive || !InNormalMode(core))
        return;
    LookAheadState& la = core.engine.lookAhead;
    if (la.index == 0) {
        la.index = 1;
    } else if (la.index < LookAheadState::kLettersDone) {
        FirstListPass(core);
    } else if (la.index == LookAheadState::kLettersDone &&
               core.engine.word.currentWord.size() > 1) {
        SecondListPass(core);
    }
}
