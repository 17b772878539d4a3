#include "UiTest.h"
#include "ui/Geometry.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowModel.h"

#include <gtest/gtest.h>

namespace {

// Left, top, width, height.
std::string R(const TwipRect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) +
           " " + std::to_string(r.height);
}

TEST(Geometry, EveryPresetPutsTheWindowWhereItSays) {
    const ScreenTwips wide{19200, 12000};
    const ScreenTwips narrow{12000, 9000};
    const struct {
        const char* name;
        SizePreset preset;
        ScreenTwips screen;
        int storedWidth;
        TwipRect expected; // left, top, width, height
        bool small;
    } cases[] = {
        {"middle right", SizePreset::MiddleRight, wide, 5000, {15140, 2150, 4060, 7950}, false},
        {"top right square", SizePreset::TopRightSquare, wide, 5000, {14200, 0, 5000, 5000}, false},
        {"bottom right square",
         SizePreset::BottomRightSquare,
         wide,
         4060,
         {15140, 12000 - 4060 - 500, 4060, 4060},
         false},
        {"top right small", SizePreset::TopRightSmall, wide, 4060, {15140, 0, 4060, 1780}, true},
        {"bottom right small",
         SizePreset::BottomRightSmall,
         wide,
         4060,
         {15140, 12000 - 1780 - 500, 4060, 1780},
         true},
        {"default", SizePreset::Default, wide, 5000, {13300, 2150, 4060, 7950}, false},
        {"default on a narrow screen",
         SizePreset::Default,
         narrow,
         4060,
         {12000 - 4060, 2150, 4060, 7950},
         false},
        {"startup", SizePreset::Startup, wide, 5000, {1000, 2000, 3000, 4000}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Options o;
        o.mainWidth = c.storedWidth;
        o.startupLeft = 1000;
        o.startupTop = 2000;
        o.startupWidth = 3000;
        o.startupHeight = 4000;
        SetPresetGeometry(o, c.preset, c.screen, c.storedWidth);
        EXPECT_EQ(R(WindowRectFor(o, c.screen)), R(c.expected));
        EXPECT_EQ(o.smallWindow, c.small);
    }
}

TEST(Geometry, TheStoredPlaceIsKeptOnTheScreen) {
    Options o;
    o.mainTop = -300;
    o.mainLeft = 17000;
    EXPECT_EQ(R(WindowRectFor(o, {19200, 12000})), R({19200 - 4060, 0, 4060, 7950}));
    EXPECT_EQ(o.mainTop, 0);
    EXPECT_EQ(o.mainLeft, 19200 - 4060);
    // A top below the screen (from a larger screen, or a hand edit) comes up to its bottom.
    o.mainTop = 30000;
    EXPECT_EQ(R(WindowRectFor(o, {19200, 12000})), R({19200 - 4060, 12000 - 7950, 4060, 7950}));
    o.mainTop = 30000;
    EXPECT_EQ(WindowRectFor(o, {19200, 6000}).top, 0);
    // The presets that leave small mode alone keep a small window small.
    o.smallWindow = true;
    SetPresetGeometry(o, SizePreset::Default, {19200, 12000}, 4060);
    EXPECT_EQ(WindowRectFor(o, {19200, 12000}).height, 1780);
}

struct Desktop {
    SimDesktop sim{""};
    App app{sim};
    Desktop() {
        app.frmKeyvane = MakeMainWindowForm();
        app.frmKVDisp = MakeDisplayPanelForm();
    }
};

TEST(Geometry, TheLayoutGivesTheDisplayBoxAllButTheButtonRows) {
    Desktop d;
    ApplyGeometry(d.app); // 4060 x 7950: an inner area of 3940 x 7260
    Form& f = d.app.frmKeyvane;
    EXPECT_EQ(R(FindControl(f, "txtDisplay")->rect), R({0, 0, 3940, 6660}));
    EXPECT_EQ(R(FindControl(f, "cmdAtoZ", 25)->rect), R({575 + 120 * 25, 6685, 135, 225}));
    EXPECT_EQ(FindControl(f, "cmdIntro")->rect.top, 6685);
    EXPECT_EQ(FindControl(f, "cmdMPaste")->rect.top, 6975);
    // Too low a window for the rows keeps the heights and tops it had.
    f.rect.height = 1200;
    f.rect.width = 3000;
    LayoutMainWindow(d.app);
    EXPECT_EQ(R(FindControl(f, "txtDisplay")->rect), R({0, 0, 2880, 6660}));
    EXPECT_EQ(FindControl(f, "cmdCopy")->rect.top, 6975);
}

TEST(Geometry, ClosingRecordsWhereTheUserLeftTheWindow) {
    Desktop d;
    ApplyGeometry(d.app);
    CheckSizeAndPos(d.app);
    EXPECT_FALSE(d.app.db.settingsChanged); // nothing moved
    d.app.frmKeyvane.rect = {9000, 1000, 5000, 6000};
    d.app.frmKeyvane.state = WindowState::Minimized;
    CheckSizeAndPos(d.app);
    EXPECT_EQ(d.app.frmKeyvane.state, WindowState::Normal);
    const Options& o = d.app.options;
    EXPECT_EQ(R({o.mainLeft, o.mainTop, o.mainWidth, o.mainHeight}), R({9000, 1000, 5000, 6000}));
    EXPECT_TRUE(d.app.db.settingsChanged);
    // A small window's height is never saved, so it alone asks nothing at exit.
    Desktop small;
    small.app.options.smallWindow = true;
    ApplyGeometry(small.app);
    CheckSizeAndPos(small.app);
    EXPECT_FALSE(small.app.db.settingsChanged);
    EXPECT_EQ(small.app.options.mainHeight, 1780);
}

TEST(Geometry, TheSmallWindowSwitchKeepsTheWindowOnTheScreen) {
    Desktop d;
    ApplyGeometry(d.app);
    d.app.frmKeyvane.rect.top = 11000; // low on a 12000-twip screen
    SetSmallWindow(d.app, true);
    EXPECT_EQ(d.app.frmKeyvane.rect.height, 1780);
    EXPECT_EQ(d.app.frmKeyvane.rect.top, 12000 - 1780);
    SetSmallWindow(d.app, false);
    EXPECT_EQ(d.app.frmKeyvane.rect.height, 7950);
    EXPECT_EQ(d.app.frmKeyvane.rect.top, 12000 - 7950);
    EXPECT_FALSE(d.app.options.smallWindow);
    EXPECT_TRUE(d.app.db.settingsChanged);
}

} // namespace
