#include "platform/keys.h"
#include "platform/x11/Keyboard.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

constexpr unsigned kShiftL = 50;
constexpr unsigned kShiftR = 62;
constexpr unsigned kKeyA = 38;
constexpr unsigned kKeypad7 = 79;

KeyboardMap SmallMap() {
    KeyboardMap m;
    m.keyOfKeycode[kShiftL] = vk::LShift;
    m.keyOfKeycode[kShiftR] = vk::RShift;
    m.keyOfKeycode[kKeyA] = 'A';
    m.keyOfKeycode[kKeypad7] = vk::Home;
    m.numpadKeyOfKeycode[kKeypad7] = 0x67;
    m.repeats[kKeyA] = true;
    m.repeatDelayMs = 500;
    m.repeatIntervalMs = 30;
    m.chars = {{'A', 0x141}, {'a', 'A'}, {0x010020AC, 0x645}};
    return m;
}

TEST(KeyState, APressIsReadOnceAndTheDownBitLastsUntilRelease) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, kKeyA, true, 0);
    EXPECT_EQ(TakeAsyncState(s, 'A'), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(TakeAsyncState(s, 'A'), static_cast<std::int16_t>(0x8000));
    ApplyKeyEvent(s, m, kKeyA, false, 0.1);
    EXPECT_EQ(TakeAsyncState(s, 'A'), 0);
    // Pressed and released between two readings still reads pressed once.
    ApplyKeyEvent(s, m, kKeyA, true, 0.2);
    ApplyKeyEvent(s, m, kKeyA, false, 0.21);
    EXPECT_EQ(TakeAsyncState(s, 'A'), 1);
    EXPECT_EQ(TakeAsyncState(s, 'A'), 0);
}

TEST(KeyState, TheGenericShiftIsDownWhileEitherSideIs) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, kShiftL, true, 0);
    ApplyKeyEvent(s, m, kShiftR, true, 0);
    ApplyKeyEvent(s, m, kShiftL, false, 0);
    EXPECT_EQ(TakeAsyncState(s, vk::Shift), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(TakeAsyncState(s, vk::LShift), 1);
    ApplyKeyEvent(s, m, kShiftR, false, 0);
    EXPECT_EQ(TakeAsyncState(s, vk::Shift), 0);
}

// The program's own keys read as sent, whenever their raw events come back: a gap between them
// must not make them read down, pressed or repeating later, as the user's typing would.
TEST(KeyState, OwnEventsReadWhenSentAndComeBackAsNobodysTyping) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    const std::pair<unsigned, bool> run[] = {
        {kShiftL, true}, {kKeyA, true}, {kKeyA, false}, {kShiftL, false}};
    for (const auto& [keycode, press] : run) ApplyOwnKeyEvent(s, m, keycode, press, 1);
    ApplyOwnKeyEvent(s, m, kKeyA, true, 2); // sent after the batch, held
    EXPECT_EQ(TakeAsyncState(s, vk::Shift), 1);
    EXPECT_EQ(TakeAsyncState(s, 'A'), static_cast<std::int16_t>(0x8001));
    // Only the next own event is taken: a key another program sent meanwhile is typing.
    EXPECT_FALSE(TakeOwnKeyEvent(s, m, kKeyA, true));
    EXPECT_TRUE(TakeOwnKeyEvent(s, m, kShiftL, true));
    EXPECT_TRUE(TakeOwnKeyEvent(s, m, kKeyA, true));
    EXPECT_EQ(TakeAsyncState(s, vk::Shift), 0);
    ApplyRepeats(s, m, 5.0);
    EXPECT_EQ(TakeAsyncState(s, 'A'), static_cast<std::int16_t>(0x8000));
    // The batch's end is reported: what it still owes was dropped; the later key still comes.
    ForgetOwnKeyEvents(s, 1);
    EXPECT_FALSE(TakeOwnKeyEvent(s, m, kKeyA, false));
    EXPECT_TRUE(TakeOwnKeyEvent(s, m, kKeyA, true));
    EXPECT_TRUE(s.own.empty());
}

TEST(KeyState, AHeldKeyRepeatsAfterTheDelayAtTheRate) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, kKeyA, true, 10.0);
    TakeAsyncState(s, 'A');
    ApplyRepeats(s, m, 10.4);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 0); // still within the delay
    ApplyRepeats(s, m, 10.51);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 1);
    ApplyRepeats(s, m, 10.52);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 0); // the next repeat is 30 ms on
    ApplyRepeats(s, m, 10.531);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 1);
    // A long gap (the program was busy) gives one repeat, then the rate again from now.
    ApplyRepeats(s, m, 20.0);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 1);
    ApplyRepeats(s, m, 20.01);
    EXPECT_EQ(TakeAsyncState(s, 'A') & 1, 0);
    ApplyKeyEvent(s, m, kKeyA, false, 20.02);
    ApplyRepeats(s, m, 30.0);
    EXPECT_EQ(TakeAsyncState(s, 'A'), 0);
}

TEST(KeyState, ModifiersDoNotRepeat) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, kShiftL, true, 0);
    TakeAsyncState(s, vk::LShift);
    ApplyRepeats(s, m, 5.0);
    EXPECT_EQ(TakeAsyncState(s, vk::LShift), static_cast<std::int16_t>(0x8000));
}

TEST(KeyState, TheKeypadGivesNumpadKeysWithNumLockOn) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, kKeypad7, true, 0);
    ApplyKeyEvent(s, m, kKeypad7, false, 0);
    EXPECT_EQ(TakeAsyncState(s, vk::Home), 1);
    s.numLock = true;
    ApplyKeyEvent(s, m, kKeypad7, true, 0);
    ApplyKeyEvent(s, m, kKeypad7, false, 0);
    EXPECT_EQ(TakeAsyncState(s, 0x67), 1);
    EXPECT_EQ(TakeAsyncState(s, vk::Home), 0);
}

TEST(KeyState, UnknownKeycodesAndButtonsOfTheWheelChangeNothing) {
    const KeyboardMap m = SmallMap();
    KeyState s;
    ApplyKeyEvent(s, m, 200, true, 0);
    ApplyKeyEvent(s, m, 999, true, 0);
    ApplyButtonEvent(s, 4, true);
    for (int k = 0; k < 256; ++k) EXPECT_EQ(TakeAsyncState(s, static_cast<std::uint8_t>(k)), 0);
    ApplyButtonEvent(s, 1, true);
    EXPECT_EQ(TakeAsyncState(s, vk::LButton), static_cast<std::int16_t>(0x8001));
    ApplyButtonEvent(s, 3, true);
    EXPECT_EQ(TakeAsyncState(s, vk::RButton), static_cast<std::int16_t>(0x8001));
}

TEST(KeyboardMap, CharactersFindTheirKeyAndShiftFlags) {
    const KeyboardMap m = SmallMap();
    EXPECT_EQ(ScanOfChar(m, 'a'), 'A');
    EXPECT_EQ(ScanOfChar(m, 'A'), 0x141);
    EXPECT_EQ(ScanOfChar(m, '\x80'), 0x645);
    EXPECT_EQ(ScanOfChar(m, 'b'), -1);
    EXPECT_EQ(ScanOfChar(m, '\n'), -1);
}

} // namespace
