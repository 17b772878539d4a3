// The French AZERTY layout: the digits need Shift, and AltGr gives the brackets, braces, @ and
// the euro sign. The dead keys (^ and the diaeresis beside P, AltGr+2's tilde and AltGr+7's
// grave accent) are left out.

#include "platform/keys.h"
#include "platform/sim/KeyboardLayout.h"

namespace {

constexpr LayoutKey kOthers[] = {
    {vk::Space, ' ', ' ', 0},
    {vk::Oem7, '\xB2', 0, 0}, // superscript two, left of 1
    {'1', '&', '1', 0},
    {'2', '\xE9', '2', 0}, // e acute
    {'3', '"', '3', '#'},
    {'4', '\'', '4', '{'},
    {'5', '(', '5', '['},
    {'6', '-', '6', '|'},
    {'7', '\xE8', '7', 0}, // e grave
    {'8', '_', '8', '\\'},
    {'9', '\xE7', '9', '^'}, // c cedilla
    {'0', '\xE0', '0', '@'}, // a grave
    {vk::Oem4, ')', '\xB0', ']'},
    {vk::OemPlus, '=', '+', '}'},
    {vk::Oem1, '$', '\xA3', '\xA4'}, // pound, currency sign
    {vk::Oem3, '\xF9', '%', 0},      // u grave
    {vk::Oem5, '*', '\xB5', 0},      // micro sign
    {vk::Oem102, '<', '>', 0},       // between left Shift and W
    {vk::OemComma, ',', '?', 0},
    {vk::OemPeriod, ';', '.', 0},
    {vk::Oem2, ':', '/', 0},
    {vk::Oem8, '!', '\xA7', 0}, // section sign, right of the colon
};
constexpr LetterAltGr kLetterAltGr[] = {{'E', '\x80'}}; // the euro sign
constexpr auto kKeys = WithLetters(kOthers, kLetterAltGr);

} // namespace

const KeyboardLayout& FrLayout() {
    static constexpr KeyboardLayout kFr{"fr", kKeys, true};
    return kFr;
}
