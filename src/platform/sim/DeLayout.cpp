// The German QWERTZ layout: Y and Z trade places (their codes follow the letters), the umlauts
// and sharp s have keys, and AltGr gives @, the euro sign, the brackets, braces and backslash.
// The dead keys (^ left of 1, the acute and grave accents left of Backspace) are left out.

#include "platform/keys.h"
#include "platform/sim/KeyboardLayout.h"

namespace {

constexpr LayoutKey kOthers[] = {
    {vk::Space, ' ', ' ', 0},
    {vk::Oem5, 0, '\xB0', 0}, // dead ^, degree sign
    {'1', '1', '!', 0},
    {'2', '2', '"', '\xB2'},
    {'3', '3', '\xA7', '\xB3'}, // section sign, superscript three
    {'4', '4', '$', 0},
    {'5', '5', '%', 0},
    {'6', '6', '&', 0},
    {'7', '7', '/', '{'},
    {'8', '8', '(', '['},
    {'9', '9', ')', ']'},
    {'0', '0', '=', '}'},
    {vk::Oem4, '\xDF', '?', '\\'}, // sharp s
    {vk::Oem1, '\xFC', '\xDC', 0}, // u umlaut
    {vk::OemPlus, '+', '*', '~'},
    {vk::Oem3, '\xF6', '\xD6', 0}, // o umlaut
    {vk::Oem7, '\xE4', '\xC4', 0}, // a umlaut
    {vk::Oem2, '#', '\'', 0},
    {vk::Oem102, '<', '>', '|'}, // between left Shift and Y
    {vk::OemComma, ',', ';', 0},
    {vk::OemPeriod, '.', ':', 0},
    {vk::OemMinus, '-', '_', 0},
};
constexpr LetterAltGr kLetterAltGr[] = {{'Q', '@'}, {'E', '\x80'}, {'M', '\xB5'}};
constexpr auto kKeys = WithLetters(kOthers, kLetterAltGr);

} // namespace

const KeyboardLayout& DeLayout() {
    static constexpr KeyboardLayout kDe{"de", kKeys, true};
    return kDe;
}
