#include "engine/Matcher.h"

#include "engine/TypedCapitals.h"
#include "platform/text.h"
#include "store/Database.h"
#include "store/Markers.h"

#include <algorithm>

namespace {

constexpr std::size_t kLongestPreview = 70;
// The record of the short form d: a Shift+D before it makes the expansion a capital And.
constexpr std::string_view kErasedAnd = "\xA1"
                                        "and";
constexpr std::string_view kErasedCapitalAnd = "\xA1"
                                               "And";

bool UsableAtUseLevel(const MatchInput& in, bool flagged) {
    return in.useLevel >= 9 || in.useLevelOverride ||
           static_cast<int>(in.word.size()) <= in.useLevel || flagged;
}

// Whether the key-script interpreter would take the '{' at i as a key token or a comment.
bool OpensToken(std::string_view text, std::size_t i) {
    return text[i] == '{' && i + 3 < text.size() && (text[i + 1] == '\'' || text[i + 3] == '}');
}

// The completion as the delimiter will type it, when typing it is nothing but one key a
// character: no key token (in a marker or not), no comment, no erase mark after the leading ones,
// and only characters that a key gives on every layout (a line break is Enter, a tab Tab). Any
// other is typed whole only when the word expands: typed as a suggestion, its tokens would act
// at once, and selecting it back by its length would select the user's own text.
std::optional<std::string> PlainCompletion(std::string_view tail, const LocalTime& now) {
    const std::string typed = RenderForTyping(tail, now);
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto c = static_cast<unsigned char>(typed[i]);
        const bool oneKey = (c >= 0x20 && c < 0x7F) || c == '\r' || c == '\t';
        if (!oneKey || OpensToken(typed, i)) return std::nullopt;
    }
    return typed;
}

void Preview(Match& m, const MatchInput& in, std::string_view shownWord, std::string_view tail) {
    m.previewed = true;
    m.fullPreview.reserve(shownWord.size() + tail.size());
    m.fullPreview.append(shownWord).append(tail);
    // Shown as the document will have it: an erase mark inside the completion (an accent form's
    // "cafe" then "é") takes back the character before it.
    m.lastExpansionShown =
        ApplyErasures(ReplaceWithMarkers(m.fullPreview, "`", "`", MarkerMode::Display, in.now));
    m.preview = m.lastExpansionShown;
    if (!in.lookAheadInView) m.preview += m.endOfListMark;
    m.previewLength =
        static_cast<std::int16_t>(std::min<std::size_t>(m.preview.size(), kLongestPreview));
    if (in.highlightDisplay) m.highlight = PlainCompletion(tail, in.now);
}

} // namespace

Match MatchWord(const std::array<std::string, 26>& groups, GroupOrders& orders,
                const MatchInput& in) {
    Match m;
    if (!in.wordActive) return m;
    const int g = GroupIndex(in.firstLetter);
    const std::string_view group = groups[g];
    const std::optional<Record> r = FindShortForm(orders[g], groups[g], in.word);
    if (!r) {
        m.outcome = MatchOutcome::NoRecord;
        return m;
    }

    // The stored text begins with a copy of the short form; the tail is what follows it. One
    // shorter than its short form has no tail, and so no state mark after one.
    const std::size_t nextStart = r->end + 2;
    const bool hasNext = nextStart <= group.size();
    m.endOfListMark = hasNext ? std::string_view() : kEndOfListMark;
    const bool whole = r->stored.size() >= in.word.size();
    std::string_view tail = whole ? r->stored.substr(in.word.size()) : std::string_view();
    const bool flagged = whole && r->mark != '\0';
    m.unflaggedRecordEnd = flagged ? 0 : r->end;
    m.recordTail = tail;
    if (!UsableAtUseLevel(in, flagged)) {
        m.outcome = MatchOutcome::BelowUseLevel;
        return m;
    }

    m.outcome = MatchOutcome::Armed;
    if (in.capitalD && tail == kErasedAnd) tail = kErasedCapitalAnd;
    const bool keptCapitals = in.keepCapitals && in.typedWord.size() == in.word.size();
    std::string_view shownWord = keptCapitals ? in.typedWord : in.word;
    while (!tail.empty() && tail.front() == mark::Erase) {
        tail.remove_prefix(1);
        m.eraseText += '\b';
        if (!shownWord.empty()) shownWord.remove_suffix(1);
    }
    std::string cased;
    if (keptCapitals) {
        Capitals capitals = CapitalsOf(in.typedWord);
        // A first letter the record keeps stands in the document as the user typed it.
        if (capitals == Capitals::First && !shownWord.empty()) capitals = Capitals::AsStored;
        cased = WithCapitals(tail, capitals);
        tail = cased;
    }
    // The next record begins with the word: a longer short form continues it.
    if (hasNext && !group.substr(nextStart).starts_with(in.word)) m.endOfListMark = kEndOfListMark;
    if (!in.defineMode) Preview(m, in, shownWord, tail);
    m.pendingOutput.reserve(1 + m.eraseText.size() + tail.size());
    m.pendingOutput.append(1, '\b').append(m.eraseText).append(tail);
    return m;
}
