#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The keyboard layouts of the simulated desktop, as Windows has them: each key by its
// virtual-key code, with the character it types plain, with Shift and with AltGr (Ctrl+Alt).
// Letters keep their virtual-key codes on every Latin layout; the digits and punctuation differ.
// Dead keys are left out: a character that only a dead key gives has no key here.

struct KeyStroke {
    std::uint8_t key = 0;
    bool shift = false;
    bool altGr = false;
};

struct LayoutKey {
    std::uint8_t key = 0;
    char plain = 0; // 0: the level types nothing
    char shifted = 0;
    char altGr = 0;
};

struct KeyboardLayout {
    std::string_view name;
    std::span<const LayoutKey> keys;
    bool hasAltGr = false; // right Alt is AltGr, and pressing it also presses left Ctrl
};

const KeyboardLayout& UsLayout();
const KeyboardLayout& FrLayout(); // AZERTY
const KeyboardLayout& DeLayout(); // QWERTZ
// "us", "fr" or "de"; nullptr for any other name.
const KeyboardLayout* LayoutNamed(std::string_view name);

// The key (and Shift or AltGr) that types a Windows-1252 character, the plainest way when there
// are several; Enter, Tab, Backspace and Escape for their control characters; none when no key
// types it.
std::optional<KeyStroke> KeyForChar(const KeyboardLayout& layout, char c);
// The printable character a key types with the modifiers; Caps Lock acts as Shift on keys whose
// two levels are a letter's two cases. None for keys and levels without one.
std::optional<char> CharForKey(const KeyboardLayout& layout, std::uint8_t key, bool shift,
                               bool altGr, bool capsLock);

// A layout's table: the letters A to Z, each with its AltGr character where it has one, then
// the other keys.
struct LetterAltGr {
    char letter; // 'A' to 'Z'
    char altGr;
};
template <std::size_t N>
constexpr std::array<LayoutKey, 26 + N> WithLetters(const LayoutKey (&others)[N],
                                                    std::span<const LetterAltGr> letterAltGr = {}) {
    std::array<LayoutKey, 26 + N> keys{};
    for (std::size_t i = 0; i < 26; ++i)
        keys[i] = {static_cast<std::uint8_t>('A' + i), static_cast<char>('a' + i),
                   static_cast<char>('A' + i), 0};
    for (const LetterAltGr& l : letterAltGr)
        keys[static_cast<std::size_t>(l.letter - 'A')].altGr = l.altGr;
    for (std::size_t i = 0; i < N; ++i) keys[26 + i] = others[i];
    return keys;
}
