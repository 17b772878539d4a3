#include "../engine/Harness.h"

#include <gtest/gtest.h>

namespace {

// As on Windows, the key state is global: typing into the program's own boxes still counts.
TEST(OwnWindows, KeysTypedIntoTheProgramsBoxesReachItsBoxAndItsCounters) {
    Harness h;
    h.writeFile(WithOptions(h.file(), [](Options& o) { o.expanderOn = false; }));
    h.sim.setIdleHook([&h, step = 0]() mutable {
        if (step == 0) {
            FindControl(h.app.frmKeyvane, "txtDisplay")->text.clear(); // the introduction
            ASSERT_TRUE(h.sim.clickInto("frmKeyvane", "txtDisplay"));
            std::int64_t t = h.sim.nowMicros();
            for (std::uint8_t key : {std::uint8_t('A'), std::uint8_t('B')}) {
                h.sim.schedulePhysicalKey(t, key, false);
                h.sim.schedulePhysicalKey(t + 30'000, key, true);
                t += 90'000;
            }
            step = 1;
        } else if (h.sim.nowMicros() > 500'000) {
            h.sim.stopProgram();
        }
    });
    RunProgram(h.app);
    EXPECT_EQ(FindControl(h.app.frmKeyvane, "txtDisplay")->text, "ab");
    EXPECT_EQ(h.sim.document().text, "");
    EXPECT_EQ(h.app.stats.charsTyped, 2);
}

} // namespace
