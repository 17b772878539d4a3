#include "Harness.h"
#include "engine/MainLoop.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

namespace {

std::string WithExpanderOff(const std::string& db) {
    return WithOptions(db, [](Options& o) { o.expanderOn = false; });
}

void Tap(SimDesktop& sim, std::int64_t at, std::uint8_t key) {
    sim.schedulePhysicalKey(at, key, false);
    sim.schedulePhysicalKey(at + 30'000, key, true);
}

TEST(MainLoop, FullSpeedNeverSleepsAndTheNormalCadenceSleepsOnceAPass) {
    Harness normal;
    normal.runFor(100'000);
    EXPECT_GT(normal.sim.sleepCount(), 75); // one 1 ms sleep a pass, besides its key readings
    EXPECT_LE(normal.sim.sleepCount(), 100);

    Harness fast;
    fast.writeFile(WithOptions(fast.file(), [](Options& o) { o.fullSpeed = true; }));
    fast.runFor(100'000);
    EXPECT_EQ(fast.sim.sleepCount(), 0);
}

TEST(MainLoop, TheProgramsOwnWindowsNeverBecomeTheTarget) {
    Harness h;
    h.sim.setIdleHook([&h] {
        if (h.sim.nowMicros() > 50'000) h.sim.setForegroundWindow(h.app.frmKeyvane.window);
        if (h.sim.nowMicros() > 200'000) h.sim.stopProgram();
    });
    RunProgram(h.app);
    EXPECT_EQ(h.sim.foregroundWindow(), h.app.frmKeyvane.window);
    EXPECT_EQ(h.app.engine.target, SimDesktop::kDocument);
}

TEST(MainLoop, TrackTargetWindowSamplesOnTheFirstOfEveryPeriod) {
    SimDesktop sim{"."};
    App app{sim};
    std::vector<int> sampled;
    for (int pass = 1; pass <= 30; ++pass) {
        app.engine.target = 0;
        TrackTargetWindow(app, 12);
        if (app.engine.target != 0) sampled.push_back(pass);
    }
    EXPECT_EQ(sampled, (std::vector<int>{1, 13, 25}));
}

TEST(ExpanderOff, AHeldKeyCountsOnceAndAlternatingKeysEachCount) {
    Harness h;
    h.writeFile(WithExpanderOff(h.file()));
    h.sim.schedulePhysicalKey(100'000, 'A', false); // held for 1.5 s, auto-repeating
    h.sim.schedulePhysicalKey(1'600'000, 'A', true);
    Tap(h.sim, 1'700'000, 'B');
    Tap(h.sim, 1'800'000, 'C');
    Tap(h.sim, 1'900'000, 'B');
    h.runFor(2'100'000);
    EXPECT_EQ(h.app.stats.charsTyped, 4);
    EXPECT_EQ(h.sim.document().text.substr(h.sim.document().text.size() - 3), "bcb");
}

TEST(ExpanderOff, APauseInTypingCountsAsThePreviousInterval) {
    Harness h;
    h.writeFile(WithExpanderOff(h.file()));
    Tap(h.sim, 100'000, 'A');
    Tap(h.sim, 400'000, 'B');    // 0.3 s after the first
    Tap(h.sim, 10'400'000, 'C'); // a 10 s pause
    h.runFor(10'600'000);
    EXPECT_EQ(h.app.stats.charsTyped, 3);
    // 0.2 for the first keystroke, then 0.3, then 0.3 again in place of the pause.
    EXPECT_NEAR(h.app.stats.typingSeconds, 0.8, 0.02);
}

TEST(ExpanderOff, ClosingTheMainWindowEndsTheProgramFromTheOffLoop) {
    Harness h;
    h.writeFile(WithExpanderOff(h.file()));
    h.closeMainWindowAt(300'000);
    h.runToEnd();
    EXPECT_FALSE(h.app.frmKeyvane.open);
    EXPECT_GE(h.sim.nowMicros(), 300'000);
}

TEST(ExpanderOff, F9TurnsTheExpanderOffAndOnAgain) {
    Harness h;
    Tap(h.sim, 100'000, vk::F9);
    h.sim.setIdleHook([&h, phase = 0]() mutable {
        if (phase == 0 && !h.app.options.expanderOn) {
            EXPECT_EQ(h.app.frmKeyvane.caption, "Quibnote: -X->");
            Tap(h.sim, h.sim.nowMicros() + 100'000, vk::F9);
            phase = 1;
        } else if (phase == 1 && h.app.options.expanderOn) {
            EXPECT_EQ(h.app.frmKeyvane.caption, "Quibnote");
            h.sim.stopProgram();
        }
    });
    RunProgram(h.app);
    EXPECT_TRUE(h.app.options.expanderOn);
}

} // namespace
