#include "engine/LookAhead.h"

#include "app/App.h"
#include "engine/DefineMode.h"
#include "engine/Display.h"
#include "platform/text.h"
#include "store/Markers.h"

namespace {

constexpr int kPerPass = 7;
constexpr std::string_view kMore = "\r\n...";

// Listed when short forms of its length are in use, or it carries a state mark. The word is
// `extra` letters shorter than the short form.
bool Listed(const App& app, const Record& r, std::size_t extra) {
    const int level = app.options.useLevel;
    return static_cast<int>(app.engine.word.currentWord.size() + extra) <= level || level >= 9 ||
           app.engine.expansion.useLevelOverride || r.mark != '\0';
}

// One record as a line of the list: short form, TAB and the expansion as the user reads it.
// The first record found comes without the line break before it.
std::string ListLine(App& app, std::string_view group, const Record& r) {
    LookAheadState& la = app.engine.lookAhead;
    const std::size_t start = la.foundCount == 1 ? r.start : r.start - 2;
    std::string line(group.substr(start, r.end - start));
    const LocalTime now = app.platform.localTime();
    // At the lowest use levels the activated forms are the user's whole vocabulary; the mark
    // would only clutter the list.
    if (app.options.useLevel <= 1 && !app.engine.expansion.useLevelOverride)
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
void ShowListPass(App& app, std::string list, bool finished) {
    std::string box = DisplayText(app);
    if (box.empty() && list.starts_with(CrLf)) list.erase(0, 2);
    if (!list.empty()) {
        RemoveTrailingMore(box);
        if (!finished) list += kMore;
        SetDisplayText(app, box + list);
    } else if (finished && RemoveTrailingMore(box)) {
        SetDisplayText(app, box);
    }
}

const std::string& WordGroup(const App& app) {
    return app.db.groups[GroupIndex(app.engine.word.firstLetter)];
}

void FirstListPass(App& app) {
    LookAheadState& la = app.engine.lookAhead;
    const std::string& group = WordGroup(app);
    GroupOrder& order = app.engine.groupOrders[GroupIndex(app.engine.word.firstLetter)];
    std::string candidate = app.engine.word.currentWord + '?';
    std::string list;
    for (int n = 0; n < kPerPass && la.index < LookAheadState::kLettersDone; ++n, ++la.index) {
        candidate.back() = static_cast<char>(96 + la.index);
        const std::optional<Record> r = FindShortForm(order, group, candidate);
        if (!r) continue;
        ++la.foundCount;
        if (Listed(app, *r, 1)) list += ListLine(app, group, *r);
    }
    ShowListPass(app, std::move(list), la.index >= LookAheadState::kLettersDone);
}

// The short forms two or more letters longer, in group order from the first that begins with
// the word; the one-letter-longer ones were in the first list.
void SecondListPass(App& app) {
    LookAheadState& la = app.engine.lookAhead;
    const std::string& group = WordGroup(app);
    const std::string& word = app.engine.word.currentWord;
    if (la.secondListNext == LookAheadState::kNotStarted) {
        SetDisplayText(app, DisplayText(app) + CrLf);
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
            if (Listed(app, r, 2)) list += ListLine(app, group, r);
        }
    }
    if (finished) la.index = LookAheadState::kSuppressed;
    ShowListPass(app, std::move(list), finished);
}

} // namespace

void ResetLookAhead(App& app) {
    LookAheadState& la = app.engine.lookAhead;
    la.index = 0;
    la.foundCount = 0;
    la.secondListNext = LookAheadState::kNotStarted;
}

void RunLookAhead(App& app) {
    if (MainWindowMinimized(app) || !app.options.lookAhead || !app.engine.word.wordActive ||
        !InNormalMode(app))
        return;
    LookAheadState& la = app.engine.lookAhead;
    if (la.index == 0) {
        la.index = 1;
    } else if (la.index < LookAheadState::kLettersDone) {
        FirstListPass(app);
    } else if (la.index == LookAheadState::kLettersDone && app.engine.word.currentWord.size() > 1) {
        SecondListPass(app);
    }
}
