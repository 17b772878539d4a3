#include "engine/SuffixKeys.h"

#include "engine/Core.h"
#include "engine/TypedCapitals.h"
#include "keyout/Primitives.h"
#include "platform/text.h"

#include <algorithm>

namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return s;
}

// The user typed the short form in capitals and the expansion went into capitals with it.
bool TypedInCapitals(const Core& core) {
    const WordState& w = core.engine.word;
    return core.prefs.keepCapitals && !core.out.capsLock &&
           w.typedWord.size() == w.currentWord.size() && CapitalsOf(w.typedWord) == Capitals::All;
}

} // namespace

bool IsSuffixChar(char c) {
    return !SuffixFor(c, "").empty();
}

std::string SuffixFor(char c, std::string_view pendingOutput) {
    switch (c) {
    case '[':
        return "s";
    case '{':
        return "ness";
    case ']':
        return pendingOutput.ends_with('e') ? "d" : "ed";
    case '}':
        return "ing";
    case '=':
        return "ly";
    case '+':
        return "ment";
    default:
        return "";
    }
}

std::string WithSuffix(std::string text, std::string_view suffix) {
    if ((suffix == "ing" || suffix == "ING") && text.ends_with('e')) text.pop_back();
    if (suffix == "ING" && text.ends_with('E')) text.pop_back();
    return text + std::string(suffix);
}

void ApplySuffixKey(Core& core) {
    const WordState& w = core.engine.word;
    if (!IsSuffixChar(w.typedChar)) return;
    ExpansionState& x = core.engine.expansion;
    const bool capitals = TypedInCapitals(core);
    const std::string suffix =
        SuffixFor(w.typedChar, capitals ? LowerAscii(x.pendingOutput) : x.pendingOutput);
    if (x.pendingSuffix.empty()) x.pendingSuffix = suffix;
    x.pendingOutput =
        WithSuffix(x.pendingOutput, core.out.capsLock || capitals ? Upper(suffix) : suffix);
    if (w.typedChar == ']' || w.typedChar == '}') {
        // Read released from now on, so that the key still held is not taken as a new press.
        core.platform.keyEvent(w.currentKey, true);
        PollKey(core.platform, w.currentKey);
    }
}

void ApplyPendingSuffix(Core& core) {
    ExpansionState& x = core.engine.expansion;
    // With no expansion shown the ending alone is no word to look up.
    if (!x.lastExpansionShown.empty())
        x.lastExpansionShown = WithSuffix(x.lastExpansionShown, x.pendingSuffix);
    x.pendingSuffix.clear();
}
