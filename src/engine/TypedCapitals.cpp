#include "engine/TypedCapitals.h"

#include "platform/text.h"

#include <algorithm>

namespace {

bool IsCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

// Where the marker or key token that starts at i ends (one past it), or i when none starts
// there: a back-quote and a tilde open a marker up to the next tilde; a brace opens a comment up
// to its closing brace, or a key token of four characters, as key output reads them.
std::size_t SkipCode(std::string_view text, std::size_t i) {
    const std::size_t n = text.size();
    if (text[i] == '`' && i + 1 < n && text[i + 1] == '~') {
        const std::size_t close = text.find('~', i + 2);
        return close == std::string_view::npos ? n : close + 1;
    }
    if (text[i] == '{' && i + 3 < n) {
        if (text[i + 1] == '\'') {
            const std::size_t close = text.find('}', i + 2);
            return close == std::string_view::npos ? n : close + 1;
        }
        if (text[i + 3] == '}') return i + 4;
    }
    return i;
}

} // namespace

Capitals CapitalsOf(std::string_view typedWord) {
    if (typedWord.empty() || !IsCapital(typedWord.front())) return Capitals::AsStored;
    if (typedWord.size() >= 2 && std::all_of(typedWord.begin(), typedWord.end(), IsCapital))
        return Capitals::All;
    return Capitals::First;
}

std::string WithCapitals(std::string_view completion, Capitals capitals) {
    std::string out(completion);
    if (capitals == Capitals::AsStored || out.empty()) return out;
    if (capitals == Capitals::First) {
        if (SkipCode(out, 0) == 0) out[0] = UpperLetter(out[0]);
        return out;
    }
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t end = SkipCode(out, i);
        if (end > i) {
            i = end;
            continue;
        }
        out[i] = UpperLetter(out[i]);
        ++i;
    }
    return out;
}
