#include "clip/ClipCase.h"

#include "platform/text.h"

#include <algorithm>

namespace {

char LowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 32);
    switch (u) {
    case 0x8A:
        return '\x9A';
    case 0x8C:
        return '\x9C';
    case 0x8E:
        return '\x9E';
    case 0x9F:
        return '\xFF';
    default:
        return c;
    }
}

// Accented small letters count too, so that a sentence beginning with one is not capitalized
// at its second letter.
bool IsSmallLetter(char c) {
    return UpperLetter(c) != c;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerChar);
    return out;
}

} // namespace

std::string UpperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), UpperLetter);
    return out;
}

std::string ChangeClipCase(std::string_view text) {
    const std::string_view start = text.substr(0, 5);
    const auto capitals = std::count_if(start.begin(), start.end(),
                                        [](char c) { return (c >= 'A' && c <= 'Z') || c == '{'; });
    return capitals >= 3 ? SentenceCase(text) : UpperCase(text);
}

std::string SentenceCase(std::string_view text) {
    if (text.empty()) return {};
    std::string out = UpperCase(text.substr(0, 1)) + LowerCase(text.substr(1));
    const std::string_view beforeLoneI = " \"/'(";
    const std::string_view afterLoneI = " ,.?!;:/)";
    bool capitalizeNext = false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        if (capitalizeNext && IsSmallLetter(c)) {
            out[i] = UpperLetter(c);
            capitalizeNext = false;
        }
        if (c == '.' || c == '?' || c == '!') capitalizeNext = true;
        if (beforeLoneI.find(c) != std::string_view::npos && i + 2 < out.size() &&
            out[i + 1] == 'i' && afterLoneI.find(out[i + 2]) != std::string_view::npos)
            capitalizeNext = true;
    }
    return out;
}
