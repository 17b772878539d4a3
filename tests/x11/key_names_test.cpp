#include "platform/keys.h"
#include "platform/x11/KeyNames.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace {

TEST(KeyNames, KeysymsOfAUsKeyboardGiveTheWindowsKeys) {
    const struct {
        unsigned long keysym;
        std::uint8_t key;
    } cases[] = {
        {XK_a, 'A'},
        {XK_Z, 'Z'},
        {XK_0, '0'},
        {XK_9, '9'},
        {XK_space, vk::Space},
        {XK_Return, vk::Return},
        {XK_KP_Enter, vk::Return},
        {XK_BackSpace, vk::Back},
        {XK_ISO_Left_Tab, vk::Tab},
        {XK_Shift_L, vk::LShift},
        {XK_Shift_R, vk::RShift},
        {XK_Control_R, vk::RControl},
        {XK_Alt_L, vk::LMenu},
        {XK_ISO_Level3_Shift, vk::RMenu},
        {XK_Super_L, vk::LWin},
        {XK_Caps_Lock, vk::Capital},
        {XK_F1, vk::F1},
        {XK_F12, vk::F12},
        {XK_semicolon, vk::Oem1},
        {XK_equal, vk::OemPlus},
        {XK_grave, vk::Oem3},
        {XK_apostrophe, vk::Oem7},
        {XK_backslash, vk::Oem5},
        {XK_KP_3, 0x63},
        {XK_KP_Home, vk::Home},
        {XK_udiaeresis, 0},
        {XK_eacute, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyOfKeysym(c.keysym), c.key) << "keysym 0x" << std::hex << c.keysym;
}

TEST(KeyNames, PositionsGiveLettersAndPunctuationOfOtherLayouts) {
    EXPECT_EQ(VirtualKeyOfPosition(38), 'A'); // a Cyrillic ef on the A key is still VK_A
    EXPECT_EQ(VirtualKeyOfPosition(24), 'Q');
    EXPECT_EQ(VirtualKeyOfPosition(58), 'M');
    EXPECT_EQ(VirtualKeyOfPosition(10), '1'); // AZERTY's & key
    EXPECT_EQ(VirtualKeyOfPosition(19), '0');
    EXPECT_EQ(VirtualKeyOfPosition(34), vk::Oem4); // German u-umlaut key
    EXPECT_EQ(VirtualKeyOfPosition(94), 0xE2);
    EXPECT_EQ(VirtualKeyOfPosition(9), 0); // Escape has a keysym of its own
    EXPECT_EQ(VirtualKeyOfPosition(300), 0);
}

TEST(KeyNames, GenericKeysOfSidedModifiers) {
    EXPECT_EQ(GenericModifier(vk::RShift), vk::Shift);
    EXPECT_EQ(GenericModifier(vk::LControl), vk::Control);
    EXPECT_EQ(GenericModifier(vk::RMenu), vk::Menu);
    EXPECT_EQ(GenericModifier('A'), 0);
}

TEST(KeyNames, CharactersBecomeKeysymsInOneSpellingWithTheKeymaps) {
    EXPECT_EQ(KeysymOfChar('a'), XK_a);
    EXPECT_EQ(KeysymOfChar('~'), XK_asciitilde);
    EXPECT_EQ(KeysymOfChar('\xE9'), XK_eacute);
    EXPECT_EQ(KeysymOfChar('\r'), XK_Return);
    EXPECT_EQ(KeysymOfChar('\b'), XK_BackSpace);
    EXPECT_EQ(KeysymOfChar('\t'), XK_Tab);
    EXPECT_EQ(KeysymOfChar('\n'), 0u);
    EXPECT_EQ(KeysymOfChar('\x01'), 0u);
    // Windows-1252's euro sign, em dash and curly quote: keymaps name them with the older
    // keysyms (EuroSign, emdash 0xaa9, leftdoublequotemark 0xad2), which UnicodeKeysym brings
    // to the same spelling.
    EXPECT_EQ(KeysymOfChar('\x80'), UnicodeKeysym(XK_EuroSign));
    EXPECT_EQ(KeysymOfChar('\x97'), UnicodeKeysym(0xaa9));
    EXPECT_EQ(KeysymOfChar('\x93'), UnicodeKeysym(0xad2));
    EXPECT_EQ(KeysymOfChar('\x80'), 0x010020ACu);
    EXPECT_EQ(UnicodeKeysym(0x010000E9), static_cast<unsigned long>(XK_eacute));
    EXPECT_EQ(UnicodeKeysym(XK_a), static_cast<unsigned long>(XK_a));
}

TEST(KeyNames, KeysymsGiveTheCharactersTheyType) {
    const struct {
        unsigned long keysym;
        char c;
    } cases[] = {
        {XK_period, '.'},     {XK_exclam, '!'},     {XK_eacute, '\xE9'},  {XK_EuroSign, '\x80'},
        {0x010020AC, '\x80'}, {0xaa9, '\x97'},      {XK_BackSpace, '\b'}, {XK_Return, '\r'},
        {XK_KP_5, '5'},       {XK_KP_Decimal, '.'}, {XK_Shift_L, 0},      {XK_dead_circumflex, 0},
        {0x01000416, 0}, // a Cyrillic letter, which Windows-1252 lacks
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharOfKeysym(c.keysym), c.c) << "keysym 0x" << std::hex << c.keysym;
}

} // namespace
