#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <gtest/gtest.h>

namespace {

TEST(Primitives, AsynchronousReadingsReportDownAndPressedSinceLastReading) {
    SimDesktop sim{"."};
    sim.schedulePhysicalKey(0, 'A', false);
    sim.schedulePhysicalKey(1000, 'A', true);
    EXPECT_EQ(PollKey(sim, 'A'), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(PollKey(sim, 'A'), static_cast<std::int16_t>(0x8000));
    sim.sleepMs(2);
    EXPECT_EQ(PollKey(sim, 'A'), 0);
}

TEST(Primitives, SyntheticKeyUpMakesAPhysicallyHeldKeyReadReleasedUntilItRepeats) {
    SimDesktop sim{"."};
    sim.schedulePhysicalKey(0, 'K', false);
    PollKey(sim, 'K');
    sim.keyEvent('K', true);
    EXPECT_EQ(PollKey(sim, 'K'), 0);
    sim.sleepMs(510); // auto-repeat starts after 500 ms
    EXPECT_EQ(PollKey(sim, 'K'), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(sim.document().text, "kk");
}

TEST(Primitives, ModifierTestsSeeEitherSideAndPressesSinceTheLastReading) {
    SimDesktop sim{"."};
    sim.schedulePhysicalKey(0, vk::RShift, false);
    EXPECT_TRUE(IsShiftDown(sim));
    sim.schedulePhysicalKey(sim.nowMicros(), vk::RShift, true);
    sim.schedulePhysicalKey(sim.nowMicros(), vk::LControl, false);
    sim.schedulePhysicalKey(sim.nowMicros(), vk::LControl, true);
    sim.sleepMs(1);
    EXPECT_FALSE(IsShiftDown(sim));
    EXPECT_TRUE(IsCtrlDown(sim)); // pressed and let go since the last reading
    EXPECT_FALSE(IsCtrlDown(sim));
    EXPECT_FALSE(IsAltDown(sim));
}

TEST(Primitives, PauseLastsItsTimeAndZeroReturnsAtOnce) {
    SimDesktop sim{"."};
    std::int64_t start = sim.nowMicros();
    Pause(sim, 0);
    EXPECT_LT(sim.nowMicros() - start, 100);
    start = sim.nowMicros();
    Pause(sim, 0.1f);
    EXPECT_GE(sim.nowMicros() - start, 93'750); // the clock steps in 1/64 s
}

TEST(Primitives, WaitForTickWaitsForCapsLockToBeLetGoThenRecordsIt) {
    SimDesktop sim{"."};
    KeyOutState k;
    sim.schedulePhysicalKey(0, vk::Capital, false);
    sim.schedulePhysicalKey(200'000, vk::Capital, true);
    WaitForTick(sim, k, 0.5f);
    EXPECT_GE(sim.nowMicros(), 200'000);
    EXPECT_TRUE(k.capsLock);
    EXPECT_TRUE(sim.capsLockOn());
}

TEST(Primitives, WaitForTickLetsGoOfACapsLockThatNobodyReleasesWithinItsLimit) {
    SimDesktop sim{"."};
    KeyOutState k;
    sim.keyEvent(vk::Capital, false); // as a key script's "{*+}" leaves it
    WaitForTick(sim, k, 0.5f);
    EXPECT_LE(sim.nowMicros(), 600'000);
    EXPECT_FALSE(sim.isDown(vk::Capital));
    EXPECT_TRUE(k.capsLock);
}

TEST(Primitives, RefocusTargetGivesTheFocusBackAndIgnoresAVanishedWindow) {
    SimDesktop sim{"."};
    sim.installProgram("dict", "Dictionary");
    ASSERT_TRUE(sim.startProgram("dict"));
    EXPECT_NE(sim.foregroundWindow(), SimDesktop::kDocument);
    RefocusTarget(sim, SimDesktop::kDocument);
    EXPECT_EQ(sim.foregroundWindow(), SimDesktop::kDocument);
    RefocusTarget(sim, 4242);
    EXPECT_EQ(sim.foregroundWindow(), SimDesktop::kDocument);
}

} // namespace
