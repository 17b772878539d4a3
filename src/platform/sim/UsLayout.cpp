#include "platform/sim/UsLayout.h"

#include "platform/keys.h"

namespace {

constexpr LayoutKey kOthers[] = {
    {vk::Space, ' ', ' ', 0},     {'1', '1', '!', 0},          {'2', '2', '@', 0},
    {'3', '3', '#', 0},           {'4', '4', '$', 0},          {'5', '5', '%', 0},
    {'6', '6', '^', 0},           {'7', '7', '&', 0},          {'8', '8', '*', 0},
    {'9', '9', '(', 0},           {'0', '0', ')', 0},          {vk::Oem1, ';', ':', 0},
    {vk::OemPlus, '=', '+', 0},   {vk::OemComma, ',', '<', 0}, {vk::OemMinus, '-', '_', 0},
    {vk::OemPeriod, '.', '>', 0}, {vk::Oem2, '/', '?', 0},     {vk::Oem3, '`', '~', 0},
    {vk::Oem4, '[', '{', 0},      {vk::Oem5, '\\', '|', 0},    {vk::Oem6, ']', '}', 0},
    {vk::Oem7, '\'', '"', 0},
};
constexpr auto kKeys = WithLetters(kOthers);

} // namespace

const KeyboardLayout& UsLayout() {
    static constexpr KeyboardLayout kUs{"us", kKeys, false};
    return kUs;
}

std::optional<KeyStroke> UsKeyForChar(char c) {
    return KeyForChar(UsLayout(), c);
}

std::optional<char> UsCharForKey(std::uint8_t key, bool shift, bool capsLock) {
    return CharForKey(UsLayout(), key, shift, false, capsLock);
}
