#include "UiTest.h"
#include "ui/Display.h"
#include "ui/DisplayPanel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowModel.h"

#include <gtest/gtest.h>

namespace {

struct Desktop {
    SimDesktop sim{""};
    App app{sim};
    Desktop() {
        app.frmKeyvane = MakeMainWindowForm();
        app.frmKVDisp = MakeDisplayPanelForm();
        sim.attachForms(OwnForms(app));
        app.options.expanderOn = true;
    }
    std::string where() const {
        const Form& p = app.frmKVDisp;
        return (p.visible ? "shown at " : "hidden at ") + std::to_string(p.rect.left) + "," +
               std::to_string(p.rect.top);
    }
};

TEST(DisplayPanel, ThreePressesOfF11ComeBackToTheAnchoredPlace) {
    Desktop d;
    Options& o = d.app.options;
    o.usePanel = true;
    o.panelAnchored = true;
    o.panelLeft = 3000;
    o.panelTop = 600;
    d.app.view.panel.floatingLeft = 7000;
    d.app.view.panel.floatingTop = 5000;
    ShowAnchored(d.app);
    std::vector<std::string> steps;
    for (int i = 0; i < 3; ++i) {
        CycleDisplayPanel(d.app);
        steps.push_back(d.where() + ": " + DisplayText(d.app));
    }
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "shown at 7000,5000: Display panel now 'floating free'\r\n\r\nPress F11 "
                         "again to turn it off",
                         "hidden at 7000,5000: Display panel now 'Off'\r\n\r\nPress F11 again to "
                         "show it 'anchored'",
                         "shown at 3000,600: Display panel now 'anchored'\r\n\r\nPress F11 again "
                         "to 'float' it",
                     }));
    EXPECT_TRUE(o.usePanel && o.panelAnchored);
}

TEST(DisplayPanel, CtrlF11FlipsTheHighlightWithItsMessage) {
    Desktop d;
    ToggleHighlightDisplay(d.app);
    EXPECT_FALSE(d.app.options.highlightDisplay);
    EXPECT_EQ(DisplayText(d.app),
              "Highlight Display now off\r\n\r\nPress Ctrl + F11 again to turn it back on");
    ToggleHighlightDisplay(d.app);
    EXPECT_EQ(DisplayText(d.app),
              "Highlight Display now on\r\n\r\nPress Ctrl + F11 again to turn it off");
}

TEST(DisplayPanel, TheFloatingDefaultSitsAboveTheWindowInTheMiddle) {
    Desktop d;
    // The Document reaches the top of the screen: the panel goes high on the screen instead.
    SetFloatingDefault(d.app);
    EXPECT_EQ(d.app.view.panel.floatingTop, 414);
    EXPECT_EQ(d.app.view.panel.floatingLeft, (19200 - 1995) / 3);
    // A window at pixels (100,100)-(700,500) under the screen's middle.
    d.sim.installProgram("edit.exe", "Editor");
    d.sim.startProgram("edit.exe");
    SetFloatingDefault(d.app);
    EXPECT_EQ(d.app.view.panel.floatingTop, 100 * 15 - 360);
    EXPECT_EQ(d.app.view.panel.floatingLeft, 400 * 15 - 1995 / 2);
}

TEST(DisplayPanel, TheMainWindowsChangesShowOrHideThePanel) {
    const struct {
        const char* name;
        bool usePanel, alwaysVisible, expanderOn, minimized;
        bool shown;
    } cases[] = {
        {"always visible", true, true, true, false, true},
        {"always visible, main window minimized", true, true, true, true, true},
        {"may hide", true, false, true, false, false},
        {"may hide, main window minimized", true, false, true, true, false},
        {"expander off", true, true, false, false, false},
        {"panel off", false, true, true, false, false},
    };
    for (const auto& c : cases) {
        Desktop d;
        Options& o = d.app.options;
        o.usePanel = c.usePanel;
        o.panelAlwaysVisible = c.alwaysVisible;
        o.expanderOn = c.expanderOn;
        d.sim.showForm(d.app.frmKVDisp, false);
        if (c.minimized) d.app.frmKeyvane.state = WindowState::Minimized;
        LayoutMainWindow(d.app);
        EXPECT_EQ(d.app.frmKVDisp.visible, c.shown) << c.name;
        EXPECT_TRUE(d.app.frmKVDisp.topmost) << c.name;
    }
}

TEST(DisplayPanel, StartUpPlacesThePanelAtItsFloatingOrAnchoredPlace) {
    Harness h;
    UseSettings(h, WithField(DefaultSettings, 20, "2"));
    h.runFor(kSecond / 10);
    EXPECT_TRUE(h.app.frmKVDisp.visible);
    EXPECT_EQ(h.app.frmKVDisp.rect.left, (19200 - 1995) / 3);
    EXPECT_EQ(h.app.frmKVDisp.rect.top, 414);
    Harness anchored;
    UseSettings(
        anchored,
        WithField(WithField(WithField(WithField(DefaultSettings, 20, "2"), 11, "1"), 12, "900"), 13,
                  "4500"));
    anchored.runFor(kSecond / 10);
    EXPECT_EQ(anchored.app.frmKVDisp.rect.left, 4500);
    EXPECT_EQ(anchored.app.frmKVDisp.rect.top, 900);
    EXPECT_TRUE(anchored.app.frmKVDisp.visible);
}

TEST(DisplayPanel, StartingMinimizedHidesAPanelThatMayHide) {
    for (const bool mayHide : {true, false}) {
        Harness h;
        UseSettings(h, WithField(WithField(DefaultSettings, 20, "3"), 19, mayHide ? "1" : "0"));
        h.runFor(kSecond / 10);
        EXPECT_EQ(h.app.frmKeyvane.state, WindowState::Minimized);
        EXPECT_EQ(h.app.frmKVDisp.visible, !mayHide);
        EXPECT_TRUE(DisplayText(h.app).starts_with("This suite of productivity tools lets you:"));
    }
}

} // namespace
