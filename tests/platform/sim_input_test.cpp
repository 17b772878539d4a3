// The program's synthetic input meeting the user's typing on the simulated desktop: single key
// events cost time and let the user's keys in between, a run of sendInput never does.

#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTypist.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<InputEvent> Taps(std::string_view letters) {
    std::vector<InputEvent> events;
    for (char c : letters) {
        const auto key = static_cast<std::uint8_t>(c - 32);
        events.push_back({InputEvent::Kind::Key, key, false, 0});
        events.push_back({InputEvent::Kind::Key, key, true, 0});
    }
    return events;
}

InputEvent Char(char c) {
    return {InputEvent::Kind::Char, 0, false, c};
}

// A fast user whose "xy" falls due while the program types ten letters of its own.
struct SimInputTest : testing::Test {
    SimDesktop sim{"."};
    void userBurst() { ScheduleTyping(sim, 500, "xy", {400, 600, true}); }
    void settle() { sim.sleepMs(50); }
};

TEST_F(SimInputTest, SingleKeyEventsLetTheUsersKeysInBetween) {
    userBurst();
    for (const InputEvent& e : Taps("abcdefghij")) sim.keyEvent(e.key, e.up);
    settle();
    // Each event costs 300 µs, so the program's go down at 0.3, 0.9, 1.5 ms ...; the user's at
    // 0.8 and 1.8 ms.
    EXPECT_EQ(sim.document().text, "axbcydefghij");
}

TEST_F(SimInputTest, ARunArrivesWholeAndTheUsersKeysAfterIt) {
    // The user's x falls due at 0.1 ms, while the call is under way: it comes after the run.
    ScheduleTyping(sim, 0, "xy", {400, 200, true});
    sim.sendInput(Taps("abcdefghij"));
    settle();
    EXPECT_EQ(sim.document().text, "abcdefghijxy");
    // With a gap the run lasts longer, and still nothing comes between its events; the caller
    // goes on at once while the desktop delivers it.
    sim.document() = {};
    sim.setSyntheticKeyGap(1);
    ScheduleTyping(sim, sim.nowMicros() + 2'000, "Z", {400, 600, true});
    const std::int64_t before = sim.nowMicros();
    sim.sendInput(Taps("abcdefghij"));
    EXPECT_EQ(sim.nowMicros() - before, SimDesktop::kSyntheticKeyMicros);
    EXPECT_EQ(sim.document().text, "a");
    settle();
    EXPECT_EQ(sim.document().text, "abcdefghijZ");
    // A key event sent meanwhile waits behind the run.
    sim.document() = {};
    sim.sendInput(Taps("ab"));
    sim.keyEvent('C', false);
    sim.keyEvent('C', true);
    settle();
    EXPECT_EQ(sim.document().text, "abc");
}

// While a gapped run is on its way the program reads the state it sent, never its keys again as
// they arrive; the user's keys are read after its own, and reach the window after them too, even
// behind a key event sent after the run.
TEST_F(SimInputTest, AGappedRunReadsAsSentAndTheUsersKeysComeAfterIt) {
    sim.setSyntheticKeyGap(3);
    ScheduleTyping(sim, 2'000, "z", {400, 600, true});
    std::vector<InputEvent> run{{InputEvent::Kind::Key, vk::Shift, false, 0}};
    for (const InputEvent& e : Taps("ab")) run.push_back(e);
    run.push_back({InputEvent::Kind::Key, vk::Shift, true, 0});
    sim.sendInput(run);
    sim.keyEvent(vk::Left, false);
    sim.keyEvent(vk::Left, true);
    // Read at once, each key was pressed and is up again.
    for (std::uint8_t key : {std::uint8_t{'A'}, std::uint8_t{'B'}, vk::Shift, vk::LShift, vk::Left})
        EXPECT_EQ(sim.getAsyncKeyState(key), 1) << "key " << int(key);
    EXPECT_EQ(sim.document().text, "");
    // As the run arrives (its last event 15.3 ms after the call), its keys and Shift read
    // neither down nor pressed, though the window still holds Shift, and the user's z waits.
    for (int ms = 0; ms < 14; ++ms) {
        sim.sleepMs(1);
        for (std::uint8_t key : {std::uint8_t{'A'}, std::uint8_t{'B'}, vk::Shift, vk::LShift,
                                 vk::Left, std::uint8_t{'Z'}})
            ASSERT_EQ(sim.getAsyncKeyState(key), 0) << "key " << int(key) << " at " << ms;
    }
    EXPECT_EQ(sim.document().text, "AB");
    EXPECT_TRUE(sim.isDown(vk::Shift));
    settle();
    EXPECT_EQ(sim.getAsyncKeyState('Z'), 1);
    EXPECT_EQ(sim.document().text, "AzB");
}

TEST_F(SimInputTest, CharactersArriveAsThemselvesInEveryWindow) {
    sim.sendInput(std::vector<InputEvent>{Char('c'), Char('a'), Char('f'), Char('\xE9'), Char('\b'),
                                          Char('\x80'), Char('\r'), Char('!')});
    EXPECT_EQ(sim.document().text, "caf\x80\n!");
    EXPECT_EQ(sim.getAsyncKeyState('C'), 0); // the key state is left as it was
    ASSERT_TRUE(sim.clickInto("Terminal"));
    sim.sendInput(std::vector<InputEvent>{Char('\xE9'), Char('\r'), Char('x')});
    EXPECT_EQ(TerminalText(sim.terminal()), "\xE9\nx");
}

TEST_F(SimInputTest, WindowsNameTheirPrograms) {
    sim.installProgram("C:\\Apps\\NotePad.exe", "Untitled - Notepad");
    sim.installProgram("/usr/bin/mousepad", "Mousepad");
    ASSERT_TRUE(sim.startProgram("C:\\Apps\\NotePad.exe"));
    const WindowId notepad = sim.foregroundWindow();
    ASSERT_TRUE(sim.startProgram("/usr/bin/mousepad"));
    EXPECT_EQ(sim.windowProgram(SimDesktop::kDocument), "document");
    EXPECT_EQ(sim.windowProgram(SimDesktop::kTerminal), "terminal");
    EXPECT_EQ(sim.windowProgram(notepad), "notepad");
    EXPECT_EQ(sim.windowProgram(sim.foregroundWindow()), "mousepad");
    EXPECT_EQ(sim.windowProgram(9999), "");
}

} // namespace
