#include "Typing.h"
#include "ui/Display.h"

#include <gtest/gtest.h>

namespace {

TEST(Display, ATextTooLongForTheBoxIsCutWithANoteOnHowToSeeTheRest) {
    SimDesktop sim{"."};
    App app{sim};
    Control box;
    box.name = "txtDisplay";
    app.frmKeyvane.controls.push_back(box);
    const std::string fits(28'000, 'x');
    SetDisplayText(app, fits);
    EXPECT_EQ(DisplayText(app), fits);
    SetDisplayText(app, fits + "yz");
    EXPECT_EQ(DisplayText(app), fits + "...\r\n\r\nTo see the rest of this list, hold down the\r\n"
                                       "Ctrl key and click the letter button again.");
}

TEST(Display, ThePanelWidensBy145TwipsForEachCharacterPastEleven) {
    EXPECT_EQ(PanelWidthForPreview(0), 1935);
    EXPECT_EQ(PanelWidthForPreview(11), 1935);
    EXPECT_EQ(PanelWidthForPreview(12), 2080);
    EXPECT_EQ(PanelWidthForPreview(40), 6140);
}

const Control& Label(Harness& h) {
    return *FindControl(h.app.frmKVDisp, "lblKVDisp");
}

// With "Make display panel always visible" off the panel shows only while there is a preview.
TEST(Display, ThePreviewShowsOnThePanelThatHidesAgainAtTheDelimiter) {
    Harness h;
    const std::string db = WithOptions(h.file(), [](Options& o) {
        o.panelAlwaysVisible = false; // the panel may hide
        o.highlightDisplay = false;
        o.usePanel = true;
        o.panelAnchored = true;
        o.panelTop = 1200;
        o.panelLeft = 3000;
    });
    h.writeFile(db);
    Typist t{h};
    t.type("rgds");
    h.runFor(t.at);
    EXPECT_TRUE(h.app.frmKVDisp.visible);
    EXPECT_EQ(Label(h).caption, "Regards#signature <");
    EXPECT_EQ(h.app.frmKeyvane.caption, "--> Regards#signature <");
    EXPECT_EQ(Label(h).rect.width, (19 - 11) * 145 + 1935);
    EXPECT_EQ(h.app.frmKVDisp.rect.width, Label(h).rect.width + 60);
    EXPECT_EQ(h.app.frmKVDisp.rect.top, 1200);
    EXPECT_EQ(h.app.frmKVDisp.rect.left, 3000);
    EXPECT_EQ(h.sim.document().text, "rgds");

    Harness after;
    after.writeFile(db);
    Typist u{after};
    u.type("rgds ");
    u.finish();
    EXPECT_FALSE(after.app.frmKVDisp.visible);
    EXPECT_EQ(Label(after).caption, "");
    EXPECT_EQ(Label(after).rect.width, 1935);
    EXPECT_EQ(after.app.frmKeyvane.caption, "Quibnote");
    EXPECT_EQ(after.sim.document().text, "Regards ");
}

// An always-visible panel says " " when the word is no short form, and nothing once the word
// can no longer be one.
TEST(Display, AnAlwaysVisiblePanelEmptiesInsteadOfHiding) {
    const struct {
        const char* typed;
        const char* panel;
        const char* caption;
    } cases[] = {
        {"ab", " ", "Quibnote"},
        {"ab2", "", "Quibnote -"},
        {"abt", "about <", "--> about <"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.writeFile(WithOptions(h.file(), [](Options& o) { o.usePanel = true; }));
        Typist t{h};
        t.type(c.typed);
        t.finish();
        EXPECT_EQ(Label(h).caption, c.panel) << c.typed;
        EXPECT_EQ(h.app.frmKeyvane.caption, c.caption) << c.typed;
    }
}

TEST(Display, TheLookAheadListFillsTheDisplayBoxWhileTheUserPauses) {
    Harness h;
    h.writeFile(WithOptions(h.file(), [](Options& o) { o.lookAhead = true; }));
    Typist t{h};
    t.type("t");
    h.runFor(t.at + 100'000);
    EXPECT_EQ(DisplayText(h.app), "tb\tone///two\r\nth\tthe\r\nty\tThank you\r\n\tBest wishes\xB0");
    // With the list in view the preview leaves out the end-of-list mark.
    Harness th;
    th.writeFile(WithOptions(th.file(), [](Options& o) {
        o.lookAhead = true;
        o.useLevel = 3;
    }));
    Typist u{th};
    u.type("th");
    th.runFor(u.at + 100'000);
    EXPECT_EQ(th.app.frmKeyvane.caption, "--> the");
    EXPECT_EQ(DisplayText(th.app), "tht\tthat\r\n");
}

} // namespace
