#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTypist.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

struct SimTerminalTest : testing::Test {
    SimDesktop sim{"."};
    std::int64_t t = 0;

    void SetUp() override { EXPECT_TRUE(sim.clickInto("Terminal")); }
    void type(std::string_view text) {
        t = ScheduleTyping(sim, t, text, {30'000, 60'000, false}) + 60'000;
    }
    // A chord: the keys go down in order and come up in reverse.
    void chord(std::initializer_list<std::uint8_t> keys) {
        for (std::uint8_t k : keys) sim.schedulePhysicalKey(t += 10'000, k, false);
        for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
            sim.schedulePhysicalKey(t += 10'000, *k, true);
        t += 60'000;
    }
    std::string text() {
        sim.sleepMs(static_cast<unsigned>((t - sim.nowMicros()) / 1000 + 1));
        return TerminalText(sim.terminal());
    }
};

TEST_F(SimTerminalTest, EnterSendsTheLineAndCtrlCInterruptsIt) {
    type("cat\n");
    EXPECT_EQ(text(), "cat\n");
    type("abc");
    chord({vk::LControl, 'C'});
    EXPECT_EQ(text(), "cat\nabc^C\n");
    type("ls\n");
    EXPECT_EQ(text(), "cat\nabc^C\nls\n");
    EXPECT_EQ(sim.document().text, "");
}

TEST_F(SimTerminalTest, CtrlVPastesNothingAndShiftArrowsDoNotSelect) {
    sim.setClipboardText("pasted");
    type("ab");
    chord({vk::LControl, 'V'});
    chord({vk::LShift, vk::Left});
    chord({vk::LShift, vk::Home});
    type("X");
    chord({vk::End});
    type("\b");
    EXPECT_EQ(text(), "Xa");
    // Ctrl+C copies nothing either: it interrupts.
    chord({vk::LControl, 'C'});
    EXPECT_EQ(text(), "Xa^C\n");
    EXPECT_EQ(sim.clipboardText(), "pasted");
}

} // namespace
