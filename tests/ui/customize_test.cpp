#include "UiTest.h"
#include "ui/CustomizeDialog.h"

#include <gtest/gtest.h>

namespace {

TEST(Customize, AnEntryGivesItsWholePartFromOneToAHundredElseZero) {
    const struct {
        const char* entry;
        int count;
    } cases[] = {
        {"4", 4},     {"12.7", 12}, {" 7 ", 7},  {"100", 100}, {"150", 0},    {"101", 0},
        {"0", 0},     {"0.9", 0},   {"-3", 0},   {"abc", 0},   {"", 0},       {"12abc", 0},
        {"1e2", 100}, {".5", 0},    {"+20", 20}, {"1e400", 0}, {"99.99", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(CountFromEntry(c.entry), c.count) << c.entry;
}

TEST(Customize, TheDialogShowsTheCountsAndStoresTheEntries) {
    Harness h;
    UseSettings(h, WithField(WithField(DefaultSettings, 17, "3"), 18, "5"));
    std::string shown;
    h.sim.setIdleHook([&, step = 0]() mutable {
        const std::int64_t now = h.sim.nowMicros();
        switch (step++) {
        case 0:
            h.chooseMenuAt(now, "mnuCtrlSpace");
            break;
        case 1:
            shown = FindControl(h.app.frmDat, "txtDat1")->text + " " +
                    FindControl(h.app.frmDat, "txtDat2")->text;
            FindControl(h.app.frmDat, "txtDat1")->text = "150";
            FindControl(h.app.frmDat, "txtDat2")->text = "12.7";
            ClickAt(h, now, "frmDat", "cmdDat1");
            h.sim.queueAnswer("Yes");
            h.closeMainWindowAt(now + 1000);
            break;
        }
    });
    RunProgram(h.app);
    EXPECT_EQ(shown, "5 3");
    EXPECT_FALSE(h.app.frmDat.open);
    EXPECT_EQ(SettingsOnFile(h), WithField(WithField(DefaultSettings, 17, "12"), 18, "0"));
}

} // namespace
