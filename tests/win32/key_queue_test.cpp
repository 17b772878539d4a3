// The order in which the user's keys are served to the program's readings. Plain logic: it
// builds and runs on any system.

#include "platform/keys.h"
#include "platform/win32/KeyQueue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The program as the queue sees it: passes of the main loop, each reading keys in a fixed
// order, on a clock that stands still unless a test moves it.
struct Reader {
    KeyQueue q;
    double now = 0;

    void press(std::uint8_t key, char ch = 0) { QueueUserKey(q, {key, false, ch}); }
    void release(std::uint8_t key) { QueueUserKey(q, {key, true, 0}); }
    std::int16_t read(std::uint8_t key) {
        ServeKeys(q, now);
        return ReadAsyncKey(q, key);
    }
    // One pass: the keys read pressed, in reading order; the main loop's head ends it.
    std::string pass(const std::vector<std::uint8_t>& keys) {
        std::string seen;
        for (std::uint8_t key : keys)
            if (read(key) & 1) seen += static_cast<char>(key);
        EndPass(q);
        return seen;
    }
};

const std::vector<std::uint8_t> kLetters = [] {
    std::vector<std::uint8_t> keys;
    for (int k = 'A'; k <= 'Z'; ++k) keys.push_back(static_cast<std::uint8_t>(k));
    return keys;
}();

TEST(KeyQueue, PressesTypedWhileTheProgramWasBusyComeInTheirOrderOnePerPass) {
    Reader r;
    for (char c : std::string("THE")) {
        r.press(static_cast<std::uint8_t>(c));
        r.release(static_cast<std::uint8_t>(c));
    }
    // Read alphabetically, as the letter scan does: E first if all three were served at once.
    EXPECT_EQ(r.pass(kLetters), "T");
    EXPECT_EQ(r.pass(kLetters), "H");
    EXPECT_EQ(r.pass(kLetters), "E");
    EXPECT_EQ(r.pass(kLetters), "");
    EXPECT_TRUE(AllServed(r.q));
}

TEST(KeyQueue, APressIsReadWithTheModifiersHeldAtItAndChordsStayWholeForTheirPass) {
    Reader r;
    r.press(vk::LShift);
    r.press('A', 'A');
    r.release('A');
    r.release(vk::LShift);
    r.press(vk::RControl);
    r.press('C', '\x03');
    r.release('C');
    r.release(vk::RControl);

    EXPECT_EQ(r.pass({vk::Shift, 'A'}), std::string(1, static_cast<char>(vk::Shift)));
    // The A's pass: Shift still down, and the A reads down for the whole pass.
    EXPECT_NE(r.read(vk::Shift) & 0x8000, 0);
    EXPECT_EQ(r.read('A'), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(r.read('A'), static_cast<std::int16_t>(0x8000));
    EXPECT_EQ(ReportedChar(r.q, 'A'), 'A');
    EndPass(r.q);
    // The Shift is let go only now; the right Ctrl comes next, then the C with it.
    EXPECT_EQ(r.pass({vk::Shift, vk::Control}), std::string(1, static_cast<char>(vk::Control)));
    EXPECT_EQ(r.read(vk::Shift), 0);
    EXPECT_NE(r.read(vk::RControl) & 0x8000, 0);
    EXPECT_EQ(r.read('C'), static_cast<std::int16_t>(0x8001));
    EXPECT_NE(r.read(vk::Control) & 0x8000, 0);
    EndPass(r.q);
    EXPECT_EQ(r.read(vk::Control), 0);
    EXPECT_EQ(r.read('C'), 0);
}

// A press served late in one pass and taken in the next: the pass that took it acts on it, and
// the next press waits for the pass after.
TEST(KeyQueue, APressServedLateInAPassHoldsTheNextOneUntilThePassThatTookItIsOver) {
    Reader r;
    r.press(vk::LControl);
    r.read(vk::Space);
    EndPass(r.q);
    r.press('B');
    EXPECT_EQ(r.read(vk::Control), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(r.read('B'), 0);
    EndPass(r.q);
    EXPECT_EQ(r.pass(kLetters), "B");
}

TEST(KeyQueue, AKeyThatNoPassReadsHoldsUpTheNextPressForTwoPassesAtMost) {
    Reader r;
    r.press(0x7C); // F13: nothing reads it
    r.press('A');
    EXPECT_EQ(r.pass(kLetters), "");
    EXPECT_EQ(r.pass(kLetters), "");
    EXPECT_EQ(r.pass(kLetters), "A");
}

// Waiting inside a pass for keys to be let go (after Alt+D, say) gets the events queued behind
// the press once it has been served a while. A press among them (the X, typed with the Alt
// still held) is served in its turn and holds the Alt's release as long again.
TEST(KeyQueue, AWaitInsideAPassSeesTheReleasesOnceThePressHasBeenServedAWhile) {
    Reader r;
    r.press(vk::LMenu);
    r.press('D');
    r.press('X');
    r.release('D');
    r.release(vk::LMenu);
    r.release('X');
    r.pass({vk::Menu});
    EXPECT_EQ(r.read('D') & 1, 1);
    int readings = 0;
    while ((r.read('D') | r.read(vk::Menu)) != 0 && readings < 1000) {
        r.now += 0.001;
        ++readings;
    }
    EXPECT_GT(r.now, kWaitServe);
    EXPECT_LT(r.now, 2 * kWaitServe + 0.003);
    // The X pressed meanwhile is still there for the next pass.
    EXPECT_EQ(r.pass(kLetters), "X");
}

// A long pass (an expansion typed, a pause) reads keys, but none over and over: the press typed
// meanwhile waits for the next pass, however long this one takes, up to the longest wait.
TEST(KeyQueue, ALongPassLeavesTheNextPressForTheNextPass) {
    Reader r;
    r.press('A');
    r.press('B');
    EXPECT_EQ(r.read('A') & 1, 1);
    for (int i = 0; i < 10; ++i) {
        r.now += 0.03;
        for (std::uint8_t key : kLetters) EXPECT_EQ(r.read(key) & 1, 0) << key;
    }
    EndPass(r.q);
    EXPECT_EQ(r.pass(kLetters), "B");

    // A press that nothing reads holds up the one behind it for the longest wait at most.
    r.press(0x7C);
    r.press('C');
    r.read(vk::Space);
    r.now += kLongestServe;
    EXPECT_EQ(r.read('C') & 1, 1);
}

// A Space still held when the period is pressed: the Space, first in the reading order, would
// win the period's pass and the period's press be read and lost.
TEST(KeyQueue, AKeyLetGoAfterTheNextPressReadsReleasedInThatPressesPass) {
    Reader r;
    const std::vector<std::uint8_t> table{vk::Space, vk::OemPeriod};
    r.press(vk::Space, ' ');
    r.press(vk::OemPeriod, '.');
    r.release(vk::Space);
    r.release(vk::OemPeriod);
    EXPECT_EQ(r.pass(table), " ");
    EXPECT_EQ(r.read(vk::Space), 0);
    EXPECT_EQ(r.read(vk::OemPeriod), static_cast<std::int16_t>(0x8001));
}

TEST(KeyQueue, TheProgramsOwnKeysMoveTheStateAtOnceAndAreNoTyping) {
    Reader r;
    r.press('A', 'a');
    r.press('B', 'b');
    EXPECT_EQ(r.read('A'), static_cast<std::int16_t>(0x8001));
    // Taken: the program lets the held A read released, with the B still waiting.
    ApplyOwnKey(r.q, 'A', true);
    EXPECT_EQ(r.read('A'), 0);
    // Its own Shift reads down and pressed at once; its press brings no character.
    ApplyOwnKey(r.q, vk::Shift, false);
    EXPECT_EQ(r.read(vk::LShift), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(r.read(vk::Shift), static_cast<std::int16_t>(0x8001));
    ApplyOwnKey(r.q, vk::Shift, true);
    ApplyOwnKey(r.q, 'B', false);
    ApplyOwnKey(r.q, 'B', true);
    EXPECT_EQ(r.read('B'), 1);
    EXPECT_EQ(ReportedChar(r.q, 'B'), '\0');
    EndPass(r.q);
    // The user's B, pressed before the program's, is still served in its turn.
    EXPECT_EQ(r.pass(kLetters), "B");
    EXPECT_EQ(ReportedChar(r.q, 'B'), 'b');
}

TEST(KeyQueue, TheReportedCharacterIsTheLatestPressAReadingReported) {
    Reader r;
    r.press(vk::Oem2, '/');
    r.release(vk::Oem2);
    r.press(vk::LShift);
    r.press(vk::Oem2, '?');
    EXPECT_EQ(ReportedChar(r.q, vk::Oem2), '\0');
    EXPECT_EQ(r.pass({vk::Oem2}), std::string(1, static_cast<char>(vk::Oem2)));
    EXPECT_EQ(ReportedChar(r.q, vk::Oem2), '/');
    r.pass({vk::Shift});
    // Served but not yet read: the reading before still stands.
    ServeKeys(r.q, r.now);
    EXPECT_EQ(ReportedChar(r.q, vk::Oem2), '/');
    EXPECT_EQ(r.read(vk::Oem2) & 1, 1);
    EXPECT_EQ(ReportedChar(r.q, vk::Oem2), '?');
}

TEST(KeyQueue, HeldAtStartReadsDownNotPressedAndALostReleaseIsForgotten) {
    Reader r;
    HoldAtStart(r.q, vk::RControl);
    EXPECT_EQ(r.read(vk::Control), static_cast<std::int16_t>(0x8000));
    EXPECT_EQ(r.read(vk::RControl), static_cast<std::int16_t>(0x8000));
    ForgetHeldKey(r.q, vk::Control);
    EXPECT_EQ(r.read(vk::Control), 0);
    EXPECT_EQ(r.read(vk::RControl), 0);
    EXPECT_FALSE(r.q.held[vk::RControl]);
}

// Under Wine the system reads a key up for a while after its press (its state is cached): a Ctrl
// the user has just pressed for Ctrl+C must not be let go on the system's word.
TEST(KeyQueue, TheSystemMayReleaseAKeyOnlyAWhileAfterItsPress) {
    Reader r;
    r.now = 10;
    r.press(vk::LControl);
    r.pass({vk::Control});
    EXPECT_FALSE(SystemMayReleaseKey(r.q, vk::Control, r.now + 0.05));
    EXPECT_FALSE(SystemMayReleaseKey(r.q, vk::LControl, r.now + 0.05));
    EXPECT_TRUE(SystemMayReleaseKey(r.q, vk::Control, r.now + kSystemStateLag));
    EXPECT_FALSE(SystemMayReleaseKey(r.q, 'C', r.now + kSystemStateLag)) << "a key not down";
    r.press('C');
    EXPECT_FALSE(SystemMayReleaseKey(r.q, vk::Control, r.now + kSystemStateLag))
        << "events still waiting";
}

TEST(KeyQueue, RawEventsGiveTheSidedKeyOrNone) {
    struct Case {
        unsigned virtualKey, makeCode;
        bool e0;
        std::uint8_t key;
    };
    const Case cases[] = {
        {0x10, 0x2A, false, vk::LShift},
        {0x10, 0x36, false, vk::RShift},
        {0x10, 0x2A, true, 0},
        {0x10, 0x00, false, vk::LShift},
        {0x11, 0x1D, false, vk::LControl},
        {0x11, 0x1D, true, vk::RControl},
        {0x12, 0x38, false, vk::LMenu},
        {0x12, 0x38, true, vk::RMenu},
        {'A', 0x1E, false, 'A'},
        {vk::OemPeriod, 0x34, false, vk::OemPeriod},
        {0x2E, 0x53, true, 0x2E},
        {0xFF, 0x45, false, 0},
        {0xE7, 0xE9, false, 0},
        {0x00, 0x1E, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyOfRawEvent(c.virtualKey, c.makeCode, c.e0), c.key)
            << std::hex << c.virtualKey << " " << c.makeCode << " " << c.e0;
}

} // namespace
