#include "platform/x11/KeyNames.h"

#include "platform/keys.h"
#include "platform/text.h"

#include <X11/keysym.h>
#include <array>
#include <string>
#include <utility>

namespace {

constexpr std::array<std::pair<unsigned long, std::uint8_t>, 54> kNamedKeys = {{
    {XK_BackSpace, vk::Back},
    {XK_Tab, vk::Tab},
    {XK_ISO_Left_Tab, vk::Tab},
    {XK_Return, vk::Return},
    {XK_KP_Enter, vk::Return},
    {XK_Pause, 0x13},
    {XK_Escape, vk::Escape},
    {XK_space, vk::Space},
    {XK_Prior, vk::Prior},
    {XK_Next, vk::Next},
    {XK_End, vk::End},
    {XK_Home, vk::Home},
    {XK_Left, vk::Left},
    {XK_Up, vk::Up},
    {XK_Right, vk::Right},
    {XK_Down, vk::Down},
    {XK_Print, 0x2C},
    {XK_Insert, vk::Insert},
    {XK_Delete, vk::Delete},
    {XK_KP_Prior, vk::Prior},
    {XK_KP_Next, vk::Next},
    {XK_KP_End, vk::End},
    {XK_KP_Home, vk::Home},
    {XK_KP_Left, vk::Left},
    {XK_KP_Up, vk::Up},
    {XK_KP_Right, vk::Right},
    {XK_KP_Down, vk::Down},
    {XK_KP_Insert, vk::Insert},
    {XK_KP_Delete, vk::Delete},
    {XK_KP_Multiply, 0x6A},
    {XK_KP_Add, 0x6B},
    {XK_KP_Separator, 0x6C},
    {XK_KP_Subtract, 0x6D},
    {XK_KP_Divide, 0x6F},
    {XK_Num_Lock, 0x90},
    {XK_Scroll_Lock, 0x91},
    {XK_Caps_Lock, vk::Capital},
    {XK_Shift_L, vk::LShift},
    {XK_Shift_R, vk::RShift},
    {XK_Control_L, vk::LControl},
    {XK_Control_R, vk::RControl},
    {XK_Alt_L, vk::LMenu},
    {XK_Meta_L, vk::LMenu},
    {XK_Alt_R, vk::RMenu},
    {XK_Meta_R, vk::RMenu},
    {XK_ISO_Level3_Shift, vk::RMenu},
    {XK_Mode_switch, vk::RMenu},
    {XK_Super_L, vk::LWin},
    {XK_Super_R, vk::RWin},
    {XK_Menu, vk::Apps},
    {XK_Hyper_L, vk::LWin},
    {XK_Hyper_R, vk::RWin},
    {XK_Multi_key, vk::RWin},
    {XK_Cancel, 0x03},
}};

// The punctuation keys of a US keyboard, by their unshifted keysym.
constexpr std::array<std::pair<unsigned long, std::uint8_t>, 11> kPunctuation = {{
    {XK_semicolon, vk::Oem1},
    {XK_equal, vk::OemPlus},
    {XK_comma, vk::OemComma},
    {XK_minus, vk::OemMinus},
    {XK_period, vk::OemPeriod},
    {XK_slash, vk::Oem2},
    {XK_grave, vk::Oem3},
    {XK_bracketleft, vk::Oem4},
    {XK_backslash, vk::Oem5},
    {XK_bracketright, vk::Oem6},
    {XK_apostrophe, vk::Oem7},
}};

// evdev keycodes of the letter rows, in the order of the US letters they carry.
constexpr std::string_view kLetterRowTop = "QWERTYUIOP";   // 24..33
constexpr std::string_view kLetterRowMiddle = "ASDFGHJKL"; // 38..46
constexpr std::string_view kLetterRowBottom = "ZXCVBNM";   // 52..58
constexpr std::string_view kDigitRow = "1234567890";       // 10..19

constexpr std::array<std::pair<unsigned, std::uint8_t>, 12> kPunctuationPositions = {{
    {20, vk::OemMinus},
    {21, vk::OemPlus},
    {34, vk::Oem4},
    {35, vk::Oem6},
    {47, vk::Oem1},
    {48, vk::Oem7},
    {49, vk::Oem3},
    {51, vk::Oem5},
    {59, vk::OemComma},
    {60, vk::OemPeriod},
    {61, vk::Oem2},
    {94, 0xE2}, // the key between left Shift and Z on 102-key keyboards
}};

std::uint8_t InRow(std::string_view row, unsigned first, unsigned keycode) {
    if (keycode < first || keycode >= first + row.size()) return 0;
    return static_cast<std::uint8_t>(row[keycode - first]);
}

// The first Unicode code point of a UTF-8 text.
unsigned long FirstCodePoint(const std::string& utf8) {
    if (utf8.empty()) return 0;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    if (b(0) < 0x80) return b(0);
    if ((b(0) & 0xE0) == 0xC0 && utf8.size() >= 2) return ((b(0) & 0x1Fu) << 6) | (b(1) & 0x3Fu);
    if ((b(0) & 0xF0) == 0xE0 && utf8.size() >= 3)
        return ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    return 0;
}

// Keysyms older than the Unicode ones, for the characters of Windows-1252 beyond Latin-1.
constexpr std::array<std::pair<unsigned long, unsigned long>, 22> kLegacyKeysyms = {{
    {0x20ac, 0x20AC}, {0xafd, 0x201A},  {0xafe, 0x201E}, {0xaae, 0x2026},  {0xaf1, 0x2020},
    {0xaf2, 0x2021},  {0xad5, 0x2030},  {0x1a9, 0x0160}, {0x13bc, 0x0152}, {0x1ae, 0x017D},
    {0xad0, 0x2018},  {0xad1, 0x2019},  {0xad2, 0x201C}, {0xad3, 0x201D},  {0xae6, 0x2022},
    {0xaaa, 0x2013},  {0xaa9, 0x2014},  {0xac9, 0x2122}, {0x1b9, 0x0161},  {0x13bd, 0x0153},
    {0x1be, 0x017E},  {0x13be, 0x0178},
}};

} // namespace

char CharOfKeysym(unsigned long keysym) {
    switch (keysym) {
    case XK_BackSpace:
        return '\b';
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return '\t';
    case XK_Return:
    case XK_KP_Enter:
        return '\r';
    case XK_Escape:
        return '\x1B';
    case XK_KP_Space:
        return ' ';
    case XK_KP_Equal:
        return '=';
    default:
        break;
    }
    if (keysym >= XK_KP_Multiply && keysym <= XK_KP_9)
        return "*+,-./0123456789"[keysym - XK_KP_Multiply];
    const unsigned long sym = UnicodeKeysym(keysym);
    if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF)) return static_cast<char>(sym);
    if ((sym & 0xFF000000) != 0x01000000) return 0;
    // The rest of Windows-1252 (0x80 to 0x9F) holds a few characters far up in Unicode.
    for (int b = 0x80; b <= 0x9F; ++b) {
        const char c = static_cast<char>(b);
        if (KeysymOfChar(c) == sym) return c;
    }
    return 0;
}

unsigned long UnicodeKeysym(unsigned long keysym) {
    for (const auto& [legacy, ucs] : kLegacyKeysyms)
        if (legacy == keysym) return 0x01000000 | ucs;
    if (keysym >= 0x01000020 && keysym <= 0x010000FF) return keysym - 0x01000000;
    return keysym;
}

std::uint8_t VirtualKeyOfKeysym(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return static_cast<std::uint8_t>(keysym - XK_a + 'A');
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<std::uint8_t>(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<std::uint8_t>(keysym);
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return static_cast<std::uint8_t>(vk::F1 + keysym - XK_F1);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return NumpadKeyOfKeysym(keysym);
    for (const auto& [sym, key] : kNamedKeys)
        if (sym == keysym) return key;
    for (const auto& [sym, key] : kPunctuation)
        if (sym == keysym) return key;
    return 0;
}

std::uint8_t VirtualKeyOfPosition(unsigned keycode) {
    for (const auto& [row, first] :
         {std::pair{kLetterRowTop, 24u}, std::pair{kLetterRowMiddle, 38u},
          std::pair{kLetterRowBottom, 52u}, std::pair{kDigitRow, 10u}})
        if (const std::uint8_t key = InRow(row, first, keycode)) return key;
    for (const auto& [position, key] : kPunctuationPositions)
        if (position == keycode) return key;
    return 0;
}

std::uint8_t NumpadKeyOfKeysym(unsigned long keysym) {
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return static_cast<std::uint8_t>(vk::Numpad0 + keysym - XK_KP_0);
    if (keysym == XK_KP_Decimal) return 0x6E;
    return 0;
}

unsigned long KeysymOfChar(char c) {
    switch (c) {
    case '\b':
        return XK_BackSpace;
    case '\t':
        return XK_Tab;
    case '\r':
        return XK_Return;
    case '\x1B':
        return XK_Escape;
    default:
        break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return 0;
    // Latin-1 characters are their own keysyms; the rest of Unicode is offset by 0x01000000.
    const unsigned long ucs = FirstCodePoint(Utf8FromCp1252(std::string_view(&c, 1)));
    if (ucs == 0) return 0;
    return ucs <= 0xFF ? ucs : 0x01000000 | ucs;
}
