#include "platform/keys.h"
#include "platform/sim/KeyboardLayout.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTypist.h"

#include <gtest/gtest.h>

namespace {

struct Mapping {
    const char* layout;
    char c;
    std::uint8_t key;
    bool shift;
    bool altGr;
};

// Each character both ways: the key a person with that keyboard presses for it, and what the
// windows type for that key.
constexpr Mapping kMappings[] = {
    {"us", 'a', 'A', false, false},
    {"us", 'Z', 'Z', true, false},
    {"us", '2', '2', false, false},
    {"us", '@', '2', true, false},
    {"us", '.', vk::OemPeriod, false, false},
    {"us", ':', vk::Oem1, true, false},
    {"us", '"', vk::Oem7, true, false},
    {"us", '?', vk::Oem2, true, false},
    {"fr", 'a', 'A', false, false},
    {"fr", 'q', 'Q', false, false},
    {"fr", '1', '1', true, false},
    {"fr", '&', '1', false, false},
    {"fr", '\xE9', '2', false, false},
    {"fr", '"', '3', false, false},
    {"fr", '\xE7', '9', false, false},
    {"fr", '@', '0', false, true},
    {"fr", '.', vk::OemPeriod, true, false},
    {"fr", ';', vk::OemPeriod, false, false},
    {"fr", ':', vk::Oem2, false, false},
    {"fr", '/', vk::Oem2, true, false},
    {"fr", '!', 0xDF, false, false},
    {"fr", '?', vk::OemComma, true, false},
    {"fr", '\xF9', vk::Oem3, false, false},
    {"fr", '\x80', 'E', false, true},
    {"fr", ']', vk::Oem4, false, true},
    {"de", 'z', 'Z', false, false},
    {"de", 'y', 'Y', false, false},
    {"de", '"', '2', true, false},
    {"de", '@', 'Q', false, true},
    {"de", '\x80', 'E', false, true},
    {"de", '?', vk::Oem4, true, false},
    {"de", '\xDF', vk::Oem4, false, false},
    {"de", '\\', vk::Oem4, false, true},
    {"de", ':', vk::OemPeriod, true, false},
    {"de", '_', vk::OemMinus, true, false},
    {"de", '\xFC', vk::Oem1, false, false},
    {"de", '\'', vk::Oem2, true, false},
    {"de", '|', 0xE2, false, true},
};

TEST(SimLayout, CharactersMapToTheirKeysAndBack) {
    for (const Mapping& m : kMappings) {
        SCOPED_TRACE(std::string(m.layout) + " 0x" +
                     std::to_string(static_cast<unsigned char>(m.c)));
        const KeyboardLayout& layout = *LayoutNamed(m.layout);
        const std::optional<KeyStroke> k = KeyForChar(layout, m.c);
        ASSERT_TRUE(k.has_value());
        EXPECT_EQ(k->key, m.key);
        EXPECT_EQ(k->shift, m.shift);
        EXPECT_EQ(k->altGr, m.altGr);
        EXPECT_EQ(CharForKey(layout, m.key, m.shift, m.altGr, false), m.c);
    }
}

TEST(SimLayout, CapsLockShiftsLettersOnlyAndDeadKeysAreLeftOut) {
    const KeyboardLayout& fr = FrLayout();
    const KeyboardLayout& de = DeLayout();
    EXPECT_EQ(CharForKey(fr, 'A', false, false, true), 'A');
    EXPECT_EQ(CharForKey(fr, 'A', true, false, true), 'a');
    EXPECT_EQ(CharForKey(fr, '2', false, false, true), '\xE9');
    EXPECT_EQ(CharForKey(de, vk::Oem7, false, false, true), '\xC4');
    EXPECT_EQ(CharForKey(de, vk::Oem5, false, false, false), std::nullopt); // dead ^
    EXPECT_EQ(KeyForChar(fr, '~'), std::nullopt);
    EXPECT_EQ(KeyForChar(UsLayout(), '\xE9'), std::nullopt);
    EXPECT_EQ(LayoutNamed("dvorak"), nullptr);
}

// What the desktop answers for a layout: keyForChar in VkKeyScan's terms, and the characters
// the Document takes from a person typing a text on that keyboard.
TEST(SimLayout, TheDesktopTypesAndAnswersThroughItsLayout) {
    const struct {
        const char* layout;
        const char* text;
    } cases[] = {
        {"us", "Hi, you! 1+1=2 (a_b) ~`\"?"},
        {"fr", "Azerty & \xE9t\xE9: 1 @ 2 [x] \x80 {y} ?./!"},
        {"de", "Qwertz \xFC\xDF: @ \x80 \\ {z} Y=y? #'|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        SimDesktop sim(".");
        sim.setLayout(*LayoutNamed(c.layout));
        ASSERT_EQ(Untypable(sim.layout(), c.text), std::nullopt);
        const std::int64_t last = ScheduleTyping(sim, 0, c.text, {30'000, 40'000, true});
        sim.sleepMs(static_cast<unsigned>(last / 1000 + 1));
        EXPECT_EQ(sim.document().text, c.text);
    }
    SimDesktop sim(".");
    EXPECT_EQ(sim.keyForChar('@'), 0x132);
    sim.setLayout(DeLayout());
    EXPECT_EQ(sim.keyForChar('@'), 0x651);
    EXPECT_EQ(sim.keyForChar(':'), 0x1BE);
    EXPECT_EQ(sim.keyForChar('\xE9'), -1);
}

TEST(SimLayout, PressedCharIsWhatTheLayoutGaveTheReportedPress) {
    SimDesktop sim(".");
    sim.setLayout(FrLayout());
    ScheduleTyping(sim, 0, ".", {30'000, 40'000, false});
    sim.sleepMs(100);
    EXPECT_EQ(sim.pressedChar(vk::OemPeriod), 0); // not read yet
    EXPECT_EQ(sim.getAsyncKeyState(vk::OemPeriod), 1);
    EXPECT_EQ(sim.pressedChar(vk::OemPeriod), '.');
    // A later press counts once a reading has reported it.
    ScheduleTyping(sim, sim.nowMicros(), ";", {30'000, 40'000, false});
    sim.sleepMs(100);
    EXPECT_EQ(sim.pressedChar(vk::OemPeriod), '.');
    EXPECT_EQ(sim.getAsyncKeyState(vk::OemPeriod), 1);
    EXPECT_EQ(sim.pressedChar(vk::OemPeriod), ';');
    sim.setLayout(DeLayout());
    ScheduleTyping(sim, sim.nowMicros(), "@", {30'000, 40'000, false});
    sim.sleepMs(100);
    sim.getAsyncKeyState('Q');
    EXPECT_EQ(sim.pressedChar('Q'), '@');
    // AltGr held Ctrl as well, as Windows presses left Ctrl with it.
    EXPECT_EQ(sim.getAsyncKeyState(vk::LControl), 1);
    EXPECT_EQ(sim.document().text, ".;@");
}

} // namespace
