#include "engine/CaretSearch.h"
#include "platform/sim/SimDesktop.h"
#include "ui/App.h"

#include <gtest/gtest.h>

namespace {

// The floating panel on the simulated desktop, its cycle asking for a search, and the Document
// with four lines: the caret ends the fourth, whose letters sit on pixel rows 76 to 85.
struct Desk {
    SimDesktop sim{""};
    App app{sim};

    Desk() {
        app.options.usePanel = true;
        app.frmKVDisp.rect = {0, 0, 1995, 360};
        app.engine.expansion.floatingPanelCycle = 2;
        sim.document().text = "line one\nline two\nline three\nhello ";
        sim.document().caret = sim.document().anchor = sim.document().text.size();
        NoteDelimiterForCaretSearch(app);
    }
    int passesUntilDone() {
        int passes = 0;
        while (app.engine.caretSearch.searchPending && passes < 200) {
            RunCaretSearch(app);
            ++passes;
        }
        return passes;
    }
};

TEST(CaretSearch, ThePanelGoesAboveTheCaretOrAboveTheLowestText) {
    const struct {
        SimLook look;
        int top;
    } cases[] = {
        // The caret's bar is pixels 71 to 88, met on row 76: (76 - 2 * 6 - 12 + 2) * 15 - 360.
        {{SimWindowStyle::Plain, 2}, 450},
        {{SimWindowStyle::ColouredPane, 2}, 450},
        // No caret, or a stroke too thin for one: two panel heights above row 76.
        {{SimWindowStyle::Plain, 0}, 76 * 15 - 2 * 360},
        {{SimWindowStyle::Plain, 1}, 76 * 15 - 2 * 360},
    };
    for (const auto& c : cases) {
        Desk d;
        d.sim.setLook(SimDesktop::kDocument, c.look);
        d.passesUntilDone();
        EXPECT_EQ(d.app.engine.expansion.floatingPanelCycle, 3);
        // Centred on the Document, 900 pixels wide.
        EXPECT_EQ(d.app.frmKVDisp.rect.left, 450 * 15 - 1995 / 2);
        EXPECT_EQ(d.app.frmKVDisp.rect.top, c.top) << c.look.caretWidth;
        EXPECT_EQ(d.app.view.panel.floatingTop, c.top);
    }
}

TEST(CaretSearch, TypingPausesTheSearchAndTheNextDelimiterStartsItAgain) {
    Desk d;
    const CaretScan& scan = d.app.engine.caretSearch.scan;
    // The first idle pass waits, the second starts at the bottom, each next one goes a row up.
    for (int i = 0; i < 4; ++i) RunCaretSearch(d.app);
    EXPECT_EQ(scan.row, 699 + 7 - 2 * 15);
    d.app.engine.word.currentWord = "he";
    for (int i = 0; i < 4; ++i) RunCaretSearch(d.app);
    EXPECT_EQ(scan.row, 699 + 7 - 2 * 15);
    d.app.engine.word.currentWord.clear();
    RunCaretSearch(d.app);
    EXPECT_EQ(scan.row, 699 + 7 - 3 * 15);
    NoteDelimiterForCaretSearch(d.app);
    RunCaretSearch(d.app);
    RunCaretSearch(d.app);
    EXPECT_EQ(scan.row, 699 + 7);
    // A click sets the cycle back; the search waits for the cycle to come round.
    d.app.engine.expansion.floatingPanelCycle = 1;
    RunCaretSearch(d.app);
    EXPECT_EQ(scan.row, 699 + 7);
    EXPECT_TRUE(d.app.engine.caretSearch.searchPending);
}

TEST(CaretSearch, AnAnchoredPanelIsNotMoved) {
    Desk d;
    d.app.options.panelAnchored = true;
    d.app.frmKVDisp.rect.top = 1234;
    for (int i = 0; i < 100; ++i) RunCaretSearch(d.app);
    EXPECT_EQ(d.app.frmKVDisp.rect.top, 1234);
    EXPECT_TRUE(d.app.engine.caretSearch.searchPending);
}

} // namespace
