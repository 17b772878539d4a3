#include "ClipSteps.h"
#include "clip/QuibEntries.h"
#include "platform/text.h"
#include "ui/QuibListWindow.h"

#include <gtest/gtest.h>

namespace {

const std::string kAdded(1, mark::Added);

Control& PickControl(Harness& h, const char* name) {
    return *FindControl(h.app.frmPick, name);
}

// The fixture's one block, ty: "Thank you`Best wishes".
TEST(QuibList, F6ShowsTheBlocksBesideTheMainWindowAndHidesThemAgain) {
    Harness h;
    Form shown;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] {
                        shown = h.app.frmPick;
                        ToggleQuibList(h.app);
                    },
                });
    EXPECT_EQ(shown.caption, "Quib List - F6");
    EXPECT_TRUE(shown.visible);
    EXPECT_TRUE(shown.topmost);
    EXPECT_EQ(shown.rect.left + shown.rect.width, h.app.frmKeyvane.rect.left);
    EXPECT_EQ(shown.rect.top, h.app.frmKeyvane.rect.top);
    EXPECT_EQ(shown.rect.height, 195 + 920);
    EXPECT_EQ(FindControl(shown, "txtExp")->text, "Thank you`Best wishes\r\n");
    EXPECT_EQ(FindControl(shown, "txtShFm")->text, "ty\r\n");
    EXPECT_EQ(FindControl(shown, "txtExp")->color, h.app.options.pickColor);
    EXPECT_FALSE(h.app.frmPick.visible);
    EXPECT_FALSE(h.app.clip.quib.shown);
    EXPECT_EQ(h.sim.focusName(), "Document");
}

TEST(QuibList, AClickTypesTheBlockAndTheRightHandPartAlsoCloses) {
    Harness h;
    bool openAfterFirst = false;
    RunSteps(h, {
                    [&] {
                        Select(h, "", 0, 0);
                        ChooseMenu(h, "mnuPick");
                    },
                    [&] { MouseDownAt(h, "frmPick", "txtExp", 1748, 100); },
                    [&] {
                        openAfterFirst = h.app.frmPick.visible;
                        // Below the last row: the block chosen before is typed again.
                        MouseDownAt(h, "frmPick", "txtExp", 1749, 900);
                    },
                });
    EXPECT_TRUE(openAfterFirst);
    EXPECT_EQ(h.sim.document().text, "Thank you\nBest wishesThank you\nBest wishes");
    EXPECT_FALSE(h.app.frmPick.open);
    EXPECT_EQ(h.app.clip.quib.chosenText, "");
    EXPECT_EQ(h.app.stats.charsTyped, 4);
    EXPECT_EQ(h.app.stats.keystrokesSaved, 2 * (21 - 2));
}

TEST(QuibList, WithNothingToListAClickTypesNothing) {
    Harness h;
    std::string db = h.file();
    db.replace(db.find("wishes" + kAdded), 7, "wishes");
    h.writeFile(db);
    std::string column;
    RunSteps(h, {
                    [&] {
                        Select(h, "", 0, 0);
                        ToggleQuibList(h.app);
                    },
                    [&] {
                        column = PickControl(h, "txtExp").text;
                        MouseDownAt(h, "frmPick", "txtExp", 100, 50);
                    },
                });
    EXPECT_EQ(column, "Expansions you add will show here!");
    EXPECT_EQ(h.sim.document().text, "");
}

TEST(QuibList, CLPasteAddsTheClipboardAsTheNextZzBlockAndSavesIt) {
    Harness h;
    std::string rows;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] {
                        h.sim.setClipboardText("Block one\r\nline two\tend");
                        ClickAt(h, h.sim.nowMicros(), "frmKeyvane", "cmdCSPaste");
                    },
                    [&] {
                        rows = PickControl(h, "txtExp").text;
                        Select(h, "", 0, 0);
                        MouseDownAt(h, "frmPick", "txtExp", 100, 195 + 20);
                    },
                });
    const std::string stored =
        "zzaa\tzzaa" + std::string(4, mark::Erase) + "Block one`line two///end" + kAdded;
    EXPECT_NE(h.file().find("\r\n" + stored), std::string::npos);
    EXPECT_FALSE(h.app.db.databaseChanged);
    EXPECT_EQ(rows, "Thank you`Best wishes\r\nBlock one`line two///end\r\n");
    EXPECT_EQ(h.sim.document().text, "Block one\nline two\tend");
}

TEST(QuibList, WhenNoZzFormIsFreeCLPasteSaysSoAndChangesNothing) {
    Harness h;
    std::string z;
    for (char c = 'a'; c <= 'z'; ++c)
        for (char d = 'a'; d <= 'z'; ++d) {
            const std::string sf = std::string("zz") + c + d;
            z += "\r\n" + sf + "\t" + sf + std::string(4, mark::Erase) + "block " + sf;
        }
    AppendRecords(h, z);
    const std::string db = h.file();
    std::vector<std::string> messages;
    RunSteps(h, {
                    [&] {
                        h.sim.setClipboardText("one more");
                        ChooseMenu(h, "mnuPasteToPick");
                    },
                    [&] { messages = h.sim.takeMessages(); },
                });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("zzaa to zzzz are all taken"), std::string::npos);
    EXPECT_EQ(h.file(), db);
    EXPECT_FALSE(h.app.db.databaseChanged);
    EXPECT_EQ(h.sim.clipboard(), "one more");
}

TEST(QuibList, MoreThan35BlocksAreReportedEachTimeTheListIsBuilt) {
    Harness h;
    std::string z;
    for (char c = 'a'; c <= 'z'; ++c)
        for (char d : {'a', 'b'}) {
            const std::string sf = std::string("zz") + c + d;
            z += "\r\n" + sf + "\t" + sf + std::string(4, mark::Erase) + "block " + sf + kAdded;
        }
    AppendRecords(h, z);
    std::vector<std::string> messages;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] { ToggleQuibList(h.app); },
                    [&] { ToggleQuibList(h.app); },
                    [&] { messages = h.sim.takeMessages(); },
                });
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], std::string(kTooManyQuibEntries));
    EXPECT_EQ(h.app.clip.quib.pasteTexts.size(), 35u);
    EXPECT_EQ(h.app.frmPick.rect.height, 35 * 195 + 920);
}

TEST(QuibList, CapsLockTypesTheBlockInCapitalsKeepingItsKeyTokens) {
    Harness h;
    AppendRecords(h, "\r\nzzaa\tzzaa" + std::string(4, mark::Erase) + "caf\xE9 {B1}!" + kAdded);
    RunSteps(h, {
                    [&] {
                        Select(h, "", 0, 0);
                        ToggleQuibList(h.app);
                        h.sim.schedulePhysicalKey(h.sim.nowMicros(), vk::Capital, false);
                        h.sim.schedulePhysicalKey(h.sim.nowMicros() + 30'000, vk::Capital, true);
                    },
                    [&] { MouseDownAt(h, "frmPick", "txtExp", 100, 195 + 20); },
                });
    EXPECT_TRUE(h.app.out.capsLock);
    EXPECT_EQ(h.app.clip.quib.chosenText, "CAF\xC9 {B1}!");
    EXPECT_EQ(h.sim.document().text, "CAF\xC9!");
}

TEST(QuibList, AClickOnAShortFormOpensTheEditorOnIt) {
    Harness h;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] { MouseDownAt(h, "frmPick", "txtShFm", 100, 50); },
                });
    EXPECT_TRUE(h.app.engine.editorOpen);
    EXPECT_EQ(EditorControl(h, "txtShFm").text, "ty");
    EXPECT_EQ(EditorControl(h, "txtExpTo").text, "Thank you`Best wishes");
    EXPECT_TRUE(EditorControl(h, "chkAdded").checked);
    const Form& e = h.app.frmEdit;
    EXPECT_EQ(e.rect.top, 12000 - 3735 - 400 - e.rect.height);
}

TEST(QuibList, MovedAwayItOpensWhereTheUserLeftIt) {
    Harness h;
    TwipRect reopened, besideAgain;
    RunSteps(
        h, {
               [&] { ToggleQuibList(h.app); },
               [&] {
                   h.app.frmPick.rect.left = 1000;
                   h.app.frmPick.rect.top = 800;
                   h.sim.scheduleAction(h.sim.nowMicros(),
                                        {UserAction::Kind::Close, "frmPick", {}, -1, 0, 0, {}});
               },
               [&] { ToggleQuibList(h.app); },
               [&] {
                   reopened = h.app.frmPick.rect;
                   ToggleQuibList(h.app);
               },
               [&] {
                   // Put back beside the main window, it stays there.
                   ToggleQuibList(h.app);
                   h.app.frmPick.rect.left = h.app.frmKeyvane.rect.left - h.app.frmPick.rect.width;
                   h.app.frmPick.rect.top = h.app.frmKeyvane.rect.top;
                   CloseQuibList(h.app);
                   h.app.frmKeyvane.rect.top += 300;
                   ToggleQuibList(h.app);
                   besideAgain = h.app.frmPick.rect;
               },
           });
    EXPECT_EQ(reopened.left, 1000);
    EXPECT_EQ(reopened.top, 800);
    EXPECT_EQ(besideAgain.top, h.app.frmKeyvane.rect.top);
}

TEST(QuibList, FromAMinimizedMainWindowTheWindowIsGivenBackAsItWas) {
    Harness h;
    TwipRect before;
    RunSteps(h, {
                    [&] {
                        h.app.frmKeyvane.state = WindowState::Minimized;
                        before = h.app.frmKeyvane.rect;
                        ToggleQuibList(h.app);
                    },
                });
    EXPECT_TRUE(h.app.frmPick.visible);
    EXPECT_EQ(h.app.frmKeyvane.state, WindowState::Minimized);
    EXPECT_EQ(h.app.frmKeyvane.rect.left, before.left);
    EXPECT_EQ(h.app.frmKeyvane.rect.height, before.height);
    EXPECT_EQ(h.app.frmPick.rect.left, before.left - 2000 - h.app.frmPick.rect.width);
}

TEST(QuibList, AListHiddenMeanwhileShowsBlocksAddedSince) {
    Harness h;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] { ToggleQuibList(h.app); },
                    [&] {
                        h.sim.setClipboardText("new block");
                        ChooseMenu(h, "mnuPasteToPick");
                    },
                    [&] { ChooseMenu(h, "mnuPick"); },
                });
    EXPECT_EQ(PickControl(h, "txtShFm").text, "ty\r\nzzaa\r\n");
}

} // namespace
