#include "platform/keys.h"
#include "platform/x11/InputBatch.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// X's modifier masks.
constexpr unsigned ShiftMask = 1 << 0;
constexpr unsigned LockMask = 1 << 1;
constexpr unsigned Mod5Mask = 1 << 7;

constexpr unsigned kShiftL = 50;
constexpr unsigned kLevel3 = 92;
constexpr unsigned kKeyA = 38;
constexpr unsigned kKey2 = 11;

// A US keyboard with AltGr: a/A on one key, 2, @ with Shift and the at sign also on AltGr+2.
KeyboardMap SmallMap() {
    KeyboardMap m;
    m.keyOfKeycode[kShiftL] = vk::LShift;
    m.keycodeOfKey[vk::LShift] = kShiftL;
    m.keyOfKeycode[kKeyA] = 'A';
    m.keycodeOfKey['A'] = kKeyA;
    m.modsOfKeycode[kShiftL] = ShiftMask;
    m.modsOfKeycode[kLevel3] = Mod5Mask;
    m.keycodeOfMod[0] = kShiftL;
    m.keycodeOfMod[7] = kLevel3;
    m.typing = {{'2', kKey2, 0, 0},
                {'A', kKeyA, ShiftMask, 0},
                {'a', kKeyA, 0, ShiftMask},
                {XK_sterling, kKey2, Mod5Mask | ShiftMask, TypingKey::kNoMods}};
    m.spareKeycodes = {93, 97};
    return m;
}

// The steps as "+38" (press), "-38" (release) and "93=e9/c9" (keysyms mapped), in order.
std::string Plan(std::string_view chars, unsigned mods = 0,
                 std::initializer_list<unsigned> held = {}, std::uint64_t batch = 1) {
    const KeyboardMap m = SmallMap();
    std::array<bool, 256> down{};
    for (unsigned kc : held) down[kc] = true;
    std::vector<InputEvent> events;
    for (char c : chars) events.push_back({InputEvent::Kind::Char, 0, false, c});
    std::vector<SpareKey> spares = {{93, {}, 0, -1}, {97, {}, 0, -1}};
    std::string out;
    char buf[32];
    for (const XTestStep& s : PlanBatch(m, down, mods, events, spares, batch)) {
        if (s.kind == XTestStep::Kind::Map)
            std::snprintf(buf, sizeof buf, "%u=%lx/%lx ", s.code, s.keysyms[0], s.keysyms[1]);
        else
            std::snprintf(buf, sizeof buf, "%c%u ", s.press ? '+' : '-', s.code);
        out += buf;
    }
    return out;
}

TEST(InputBatch, CharactersTakeTheirKeysWithExactlyTheModifiersTheirLevelNeeds) {
    EXPECT_EQ(Plan("a"), "+38 -38 ");
    EXPECT_EQ(Plan("A"), "+50 +38 -38 -50 ");
    // A Shift the user holds is let go for the key and pressed again after it.
    EXPECT_EQ(Plan("a2", 0, {kShiftL}), "-50 +38 -38 +50 -50 +11 -11 +50 ");
    // With Caps Lock on, a lower-case letter needs Shift.
    EXPECT_EQ(Plan("aA", LockMask), "+50 +38 -38 -50 +38 -38 ");
    // Two modifiers at once: the pound sign on Shift+AltGr+2; it has no way with Caps Lock on,
    // so then a spare key types it.
    EXPECT_EQ(Plan("\xA3"), "+50 +92 +11 -11 -92 -50 ");
    EXPECT_EQ(Plan("\xA3", LockMask), "93=a3/0 +93 -93 ");
}

TEST(InputBatch, CharactersWithoutAKeyAreMappedToSpareKeysForTheTime) {
    // A letter gets both its cases, so Shift and Caps Lock act on it as on any letter; one
    // mapping serves every use of it in the batch.
    EXPECT_EQ(Plan("\xE9\xC9\xE9"), "93=e9/c9 +93 -93 +50 +93 -93 -50 +93 -93 ");
    EXPECT_EQ(Plan("\xC9", LockMask), "93=e9/c9 +93 -93 ");
    // A character without cases is on the key alone, whatever Shift does.
    EXPECT_EQ(Plan("\x80", 0, {kShiftL}), "93=10020ac/0 +93 -93 ");
    // More characters than spares: the ones already used in this batch are not taken away.
    EXPECT_EQ(Plan("\xE9\x80\xFC"), "93=e9/c9 +93 -93 97=10020ac/0 +97 -97 ");
}

TEST(InputBatch, KeysGoAsTheyAreAndAPressOfAHeldKeyIsReleasedFirst) {
    const KeyboardMap m = SmallMap();
    std::array<bool, 256> down{};
    down[kKeyA] = true;
    std::vector<SpareKey> spares;
    const std::vector<InputEvent> events = {{InputEvent::Kind::Key, 'A', false, 0},
                                            {InputEvent::Kind::Key, 'A', true, 0},
                                            {InputEvent::Kind::Key, vk::Shift, false, 0},
                                            {InputEvent::Kind::Key, vk::LButton, false, 0},
                                            {InputEvent::Kind::Key, vk::F9, false, 0}};
    const std::vector<XTestStep> steps = PlanBatch(m, down, 0, events, spares, 1);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_FALSE(steps[0].press);
    EXPECT_EQ(steps[0].code, kKeyA);
    EXPECT_TRUE(steps[1].press);
    EXPECT_EQ(steps[3].code, kShiftL);
    EXPECT_EQ(steps[4].kind, XTestStep::Kind::Button);
    EXPECT_EQ(steps[4].code, 1u);
}

} // namespace
