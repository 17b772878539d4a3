#include "engine/KeyClassification.h"

#include "engine/Core.h"
#include "engine/SuffixKeys.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

namespace {

constexpr std::int16_t kShiftFlag = 0x100;
constexpr std::int16_t kAltGrFlags = 0x600; // Ctrl+Alt

bool IsPrintable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7F;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The punctuation that ends a word and is typed again after its expansion. The closing
// parenthesis and the angle brackets go on with the word.
bool IsDelimiterChar(char c) {
    switch (c) {
    case '.':
    case ',':
    case '/':
    case '?':
    case '\\':
    case '|':
    case '!':
    case ';':
    case ':':
    case '-':
    case '_':
    case '\'':
    case '"':
    case '(':
        return true;
    default:
        return false;
    }
}

bool NeedsAltGr(Platform& p, char c) {
    const std::int16_t scan = p.keyForChar(c);
    return scan >= 0 && (scan & kAltGrFlags) == kAltGrFlags;
}

// The character the layout types with this key and the Shift held: what a chord's key stands
// for (Ctrl+quote is Ctrl with the key that types the quote). While Ctrl and Alt are both held
// the AltGr level is tried first, for a desktop that gives no character with Ctrl held. 0 when
// the layout types nothing with it (a dead key).
char CharOfKey(Platform& p, std::uint8_t key, const PassReadings& k) {
    const std::int16_t plain = static_cast<std::int16_t>(key | (k.shift ? kShiftFlag : 0));
    for (std::int16_t wanted :
         {k.ctrl && k.alt ? static_cast<std::int16_t>(plain | kAltGrFlags) : plain, plain})
        for (int c = 0x21; c < 0x7F; ++c)
            if (p.keyForChar(static_cast<char>(c)) == wanted) return static_cast<char>(c);
    return 0;
}

// A key that types characters, known by the character the user's layout gave its press, or, when
// it gave none (a chord, or a desktop that cannot tell), the character the layout puts on it.
ClassifiedKey ByCharacter(Core& core, std::uint8_t key, const PassReadings& k) {
    Platform& p = core.platform;
    ClassifiedKey out{key, "", p.pressedChar(key), false, false};
    char& c = out.typed;
    if (IsPrintable(c))
        out.altGr = (k.ctrl || k.alt) && NeedsAltGr(p, c);
    else
        c = CharOfKey(p, key, k);
    // Shift and Caps Lock never change the letter that enters the word.
    if (IsLetter(c) || (c == 0 && key >= vk::KeyA && key <= vk::KeyZ)) {
        const int lower = IsLetter(c) ? (c | 0x20) : key + 32;
        out.character.assign(1, static_cast<char>(lower));
    } else if (c == 0 && key >= vk::Key0 && key <= vk::Key9) {
        out.character.assign(1, static_cast<char>(key));
    } else if (IsSuffixChar(c) || IsSuppressorChar(c)) {
        out.delimiter = true;
    } else if (c != 0) {
        out.character.assign(1, c);
        out.delimiter = IsDelimiterChar(c);
    }
    return out;
}

ClassifiedKey Fixed(std::uint8_t key, std::string character, bool delimiter) {
    return {key, character, character.size() == 1 ? character[0] : '\0', delimiter, false};
}

// Reads the keys in order and stops at the first that reads pressed.
std::optional<std::uint8_t> Scan(Core& core, std::uint8_t from, std::uint8_t to) {
    for (int key = from; key <= to; ++key) {
        const std::int16_t reading = PollKey(core.platform, static_cast<std::uint8_t>(key));
        core.engine.word.lastRangeReading = reading;
        if (reading != 0) return static_cast<std::uint8_t>(key);
    }
    return std::nullopt;
}

} // namespace

bool IsSuppressorChar(char c) {
    return c == '`' || c == '~';
}

std::optional<ClassifiedKey> ClassifyKey(Core& core, const PassReadings& k) {
    if (k.space) return Fixed(vk::Space, " ", true);
    if (k.enter) return Fixed(vk::Return, "\r", true);
    if (k.tab) return Fixed(vk::Tab, "\t", true);
    if (k.punctuation) return ByCharacter(core, k.punctuation, k);
    if (k.f2) return Fixed(vk::F2, "", false);
    if (k.f6) return Fixed(vk::F6, "", false);
    if (k.backspace) return Fixed(vk::Back, "\b", false);
    if (k.del) return Fixed(vk::Delete, "", false);
    // A click may have moved the caret, so the floating panel looks for it again.
    if (k.leftButton) core.engine.expansion.floatingPanelCycle = 1;
    for (std::uint8_t arrow : {vk::Left, vk::Right})
        if (Scan(core, arrow, arrow)) return Fixed(arrow, "", false);
    if (std::optional<std::uint8_t> digit = Scan(core, vk::Key0, vk::Key9))
        return ByCharacter(core, *digit, k);
    if (std::optional<std::uint8_t> letter = Scan(core, vk::KeyA, vk::KeyZ))
        return ByCharacter(core, *letter, k);
    return std::nullopt;
}
