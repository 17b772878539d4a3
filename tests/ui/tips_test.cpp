#include "UiTest.h"
#include "ui/Tips.h"

#include <gtest/gtest.h>

namespace {

// Three tips; the second one takes two lines, and its text ends with the number 3, which is not
// where tip 3 begins.
std::string TipsFile(const std::string& next) {
    return next +
           "\r\n\r\n1\r\nType a short form, then a space.\r\n\r\n2\r\nF11 switches the display "
           "panel\r\nin steps of 3\r\n\r\n3\r\nCtrl+F11 highlights the suggestion.\r\n\r\n";
}

std::string Tip(const std::string& file) {
    TipsState tips = ReadTips(file);
    return GetTip(tips);
}

TEST(Tips, EachNumberFindsItsTipOnItsOwnLine) {
    EXPECT_EQ(Tip(TipsFile("1")), "Type a short form, then a space.");
    EXPECT_EQ(Tip(TipsFile("2")), "F11 switches the display panel\r\nin steps of 3");
    EXPECT_EQ(Tip(TipsFile("3")), "Ctrl+F11 highlights the suggestion.");
    // Past the last tip, and a first line that is no number, start again at the first.
    for (const char* number : {"4", "x", ""}) {
        TipsState tips = ReadTips(TipsFile(number));
        EXPECT_EQ(GetTip(tips), "Type a short form, then a space.") << number;
        EXPECT_EQ(tips.number, "1");
    }
    // A last tip without its empty line runs to the end of the file.
    EXPECT_EQ(Tip("1\r\n\r\n1\r\nOnly tip"), "Only tip");
}

TEST(Tips, AFileThatIsNoTipsFileIsShownAsItIsAndNeverWritten) {
    TipsState missing = ReadTips("File not found!");
    EXPECT_EQ(GetTip(missing), "File not found!");
    EXPECT_EQ(TipsFileAfterClose(missing), std::nullopt);
    EXPECT_EQ(TipsFileAfterClose(ReadTips("1\r\n\r\n1\r\nShort.\r\n\r\n")), std::nullopt);
    // A tips file saved with LF line ends is long enough, but has no first line to number.
    std::string lf = TipsFile("2");
    std::erase(lf, '\r');
    ASSERT_GE(lf.size(), 101u);
    EXPECT_EQ(TipsFileAfterClose(ReadTips(lf)), std::nullopt);
}

TEST(Tips, ClosingNumbersTheNextTipAndKeepsTheRest) {
    TipsState tips = ReadTips(TipsFile("2"));
    ASSERT_GE(tips.rest.size(), 101u);
    EXPECT_EQ(TipsFileAfterClose(tips), TipsFile("3"));
    tips.number = "3";
    EXPECT_EQ(TipsFileAfterClose(tips), TipsFile("4"));
    // The line end is the writer's own: a file that did not end with one gets one, losing nothing.
    std::string unended = TipsFile("1");
    unended.resize(unended.size() - 4);
    const std::optional<std::string> written = TipsFileAfterClose(ReadTips(unended));
    EXPECT_EQ(written, "2" + unended.substr(1) + "\r\n");
}

// The tips window at start shows the tip the file names; Next, Previous and closing.
TEST(Tips, TheWindowStepsThroughTheTipsAndTheNextStartShowsTheNextOne) {
    Harness h;
    UseSettings(h, WithField(DefaultSettings, 14, "1"));
    h.writeFile(TipsFile("2"), "QNTips.txt");
    std::vector<std::string> seen;
    const auto look = [&h, &seen] {
        seen.push_back(FindControl(h.app.frmKVHelp, "lblTipNum")->caption + ": " +
                       FindControl(h.app.frmKVHelp, "txtKVHelp")->text);
    };
    h.sim.setIdleHook([&, step = 0]() mutable {
        const std::int64_t now = h.sim.nowMicros();
        switch (step++) {
        case 0:
            EXPECT_TRUE(h.app.frmKVHelp.visible);
            EXPECT_EQ(h.sim.focusName(), "frmKVHelp.txtKVHelp");
            look();
            ClickAt(h, now, "frmKVHelp", "cmdPrevious");
            break;
        case 1:
            look();
            ClickAt(h, now, "frmKVHelp", "cmdPrevious");
            break;
        case 2:
            look();
            ClickAt(h, now, "frmKVHelp", "cmdNext");
            ClickAt(h, now, "frmKVHelp", "cmdNext");
            ClickAt(h, now, "frmKVHelp", "cmdNext");
            break;
        case 3:
            look();
            ClickAt(h, now, "frmKVHelp", "cmdOK");
            break;
        default:
            h.sim.stopProgram();
        }
    });
    RunProgram(h.app);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Tip 2: F11 switches the display panel\r\nin steps of 3",
                        "Tip 1: Type a short form, then a space.",
                        "Tip 1: Type a short form, then a space.",
                        "Tip 1: Type a short form, then a space.", // 4 has none
                    }));
    // Tip 1 was on show, so the next start shows tip 2.
    EXPECT_FALSE(h.app.frmKVHelp.open);
    EXPECT_EQ(h.sim.focusName(), "frmKeyvane");
    EXPECT_EQ(h.file("QNTips.txt"), TipsFile("2"));
    // The window sits at 45 % across and 40 % down the 19200 x 12000 screen.
    EXPECT_EQ(h.app.frmKVHelp.rect.left, 8640 - 5535 / 2);
    EXPECT_EQ(h.app.frmKVHelp.rect.top, 4800 - 3900 / 2);
}

TEST(Tips, DontShowTurnsTheTipOffForTheNextStart) {
    Harness h;
    UseSettings(h, WithField(DefaultSettings, 14, "1"));
    h.writeFile(TipsFile("1"), "QNTips.txt");
    h.sim.setIdleHook([&h, step = 0]() mutable {
        const std::int64_t now = h.sim.nowMicros();
        if (step++ == 0) {
            FindControl(h.app.frmKVHelp, "chkDontShow")->checked = true;
            ClickAt(h, now, "frmKVHelp", "chkDontShow");
            h.sim.scheduleAction(now, {UserAction::Kind::Close, "frmKVHelp", {}, -1, 0, 0, {}});
            h.sim.queueAnswer("No"); // the settings are not kept, but the database is saved
            h.closeMainWindowAt(now + 1000);
        }
    });
    RunProgram(h.app);
    EXPECT_EQ(h.file("QNTips.txt"), TipsFile("2"));
    EXPECT_EQ(SettingsOnFile(h), WithField(DefaultSettings, 14, "1"));
    Harness kept;
    UseSettings(kept, WithField(DefaultSettings, 14, "1"));
    kept.writeFile(TipsFile("1"), "QNTips.txt");
    kept.sim.setIdleHook([&kept, step = 0]() mutable {
        if (step++ == 0) {
            FindControl(kept.app.frmKVHelp, "chkDontShow")->checked = true;
            ClickAt(kept, kept.sim.nowMicros(), "frmKVHelp", "chkDontShow");
            kept.sim.queueAnswer("Yes");
            kept.closeMainWindowAt(kept.sim.nowMicros() + 1000);
        }
    });
    RunProgram(kept.app);
    EXPECT_EQ(FieldOf(SettingsOnFile(kept), 14), "0");
}

TEST(Tips, AMissingTipsFileShowsItsMessageAndStaysMissing) {
    Harness h;
    UseSettings(h, WithField(DefaultSettings, 14, "1"));
    h.sim.setIdleHook([&h, step = 0]() mutable {
        if (step++ == 0)
            ClickAt(h, h.sim.nowMicros(), "frmKVHelp", "cmdOK");
        else
            h.sim.stopProgram();
    });
    RunProgram(h.app);
    EXPECT_EQ(FindControl(h.app.frmKVHelp, "txtKVHelp")->text, "File not found!");
    EXPECT_FALSE(std::filesystem::exists(h.folder / "QNTips.txt"));
}

} // namespace

namespace {

TEST(Tips, TheShippedTipsFileHasTwentyTipsOrMoreEachFoundByItsNumber) {
    std::ifstream in(std::filesystem::path(QUIBNOTE_SOURCE_DIR) / "data/QNTips.txt",
                     std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TipsState tips = ReadTips(file);
    EXPECT_EQ(tips.number, "1");
    int count = 0;
    for (int n = 1;; ++n) {
        tips.number = std::to_string(n);
        const std::string tip = GetTip(tips);
        if (tips.number != std::to_string(n)) break; // past the last tip
        EXPECT_FALSE(tip.empty()) << n;
        EXPECT_EQ(tip.find("\r\n\r\n"), std::string::npos) << n;
        count = n;
    }
    EXPECT_GE(count, 20);
    tips.number = "1";
    EXPECT_EQ(TipsFileAfterClose(tips), "2" + file.substr(1));
}

} // namespace
