#include "platform/sim/UsLayout.h"

#include "platform/keys.h"

#include <array>
#include <string_view>

namespace {

struct OemKey {
    std::uint8_t key;
    char plain;
    char shifted;
};

constexpr std::array<OemKey, 12> kOemKeys = {{{vk::Space, ' ', ' '},
                                              {vk::Oem1, ';', ':'},
                                              {vk::OemPlus, '=', '+'},
                                              {vk::OemComma, ',', '<'},
                                              {vk::OemMinus, '-', '_'},
                                              {vk::OemPeriod, '.', '>'},
                                              {vk::Oem2, '/', '?'},
                                              {vk::Oem3, '`', '~'},
                                              {vk::Oem4, '[', '{'},
                                              {vk::Oem5, '\\', '|'},
                                              {vk::Oem6, ']', '}'},
                                              {vk::Oem7, '\'', '"'}}};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

} // namespace

std::optional<KeyStroke> UsKeyForChar(char c) {
    if (c >= 'a' && c <= 'z') return KeyStroke{static_cast<std::uint8_t>(c - 32), false};
    if (c >= 'A' && c <= 'Z') return KeyStroke{static_cast<std::uint8_t>(c), true};
    if (c >= '0' && c <= '9') return KeyStroke{static_cast<std::uint8_t>(c), false};
    if (auto d = kShiftedDigits.find(c); d != std::string_view::npos)
        return KeyStroke{static_cast<std::uint8_t>(vk::Key0 + d), true};
    for (const OemKey& k : kOemKeys) {
        if (k.plain == c) return KeyStroke{k.key, false};
        if (k.shifted == c) return KeyStroke{k.key, true};
    }
    switch (c) {
    case '\r':
        return KeyStroke{vk::Return, false};
    case '\t':
        return KeyStroke{vk::Tab, false};
    case '\b':
        return KeyStroke{vk::Back, false};
    case '\x1B':
        return KeyStroke{vk::Escape, false};
    default:
        return std::nullopt;
    }
}

std::optional<char> UsCharForKey(std::uint8_t key, bool shift, bool capsLock) {
    if (key >= vk::KeyA && key <= vk::KeyZ)
        return static_cast<char>(shift != capsLock ? key : key + 32);
    if (key >= vk::Key0 && key <= vk::Key9)
        return shift ? kShiftedDigits[key - vk::Key0] : static_cast<char>(key);
    for (const OemKey& k : kOemKeys)
        if (k.key == key) return shift ? k.shifted : k.plain;
    return std::nullopt;
}
