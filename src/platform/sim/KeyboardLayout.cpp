#include "platform/sim/KeyboardLayout.h"

#include "platform/keys.h"

namespace {

// A letter's two cases in Windows-1252 (a to z, and the accented letters from 0xE0).
bool IsCasePair(char lower, char upper) {
    const auto l = static_cast<unsigned char>(lower);
    const auto u = static_cast<unsigned char>(upper);
    const bool letter = (l >= 'a' && l <= 'z') || (l >= 0xE0 && l <= 0xFE && l != 0xF7);
    return letter && u == l - 0x20;
}

const LayoutKey* Find(const KeyboardLayout& layout, std::uint8_t key) {
    for (const LayoutKey& k : layout.keys)
        if (k.key == key) return &k;
    return nullptr;
}

} // namespace

const KeyboardLayout* LayoutNamed(std::string_view name) {
    for (const KeyboardLayout* l : {&UsLayout(), &FrLayout(), &DeLayout()})
        if (l->name == name) return l;
    return nullptr;
}

std::optional<KeyStroke> KeyForChar(const KeyboardLayout& layout, char c) {
    switch (c) {
    case '\r':
        return KeyStroke{vk::Return};
    case '\t':
        return KeyStroke{vk::Tab};
    case '\b':
        return KeyStroke{vk::Back};
    case '\x1B':
        return KeyStroke{vk::Escape};
    case 0:
        return std::nullopt;
    default:
        break;
    }
    for (const LayoutKey& k : layout.keys)
        if (k.plain == c) return KeyStroke{k.key, false, false};
    for (const LayoutKey& k : layout.keys)
        if (k.shifted == c) return KeyStroke{k.key, true, false};
    for (const LayoutKey& k : layout.keys)
        if (k.altGr == c) return KeyStroke{k.key, false, true};
    return std::nullopt;
}

std::optional<char> CharForKey(const KeyboardLayout& layout, std::uint8_t key, bool shift,
                               bool altGr, bool capsLock) {
    const LayoutKey* k = Find(layout, key);
    if (!k) return std::nullopt;
    if (altGr) return k->altGr ? std::optional<char>(k->altGr) : std::nullopt;
    if (capsLock && IsCasePair(k->plain, k->shifted)) shift = !shift;
    const char c = shift ? k->shifted : k->plain;
    return c ? std::optional<char>(c) : std::nullopt;
}
