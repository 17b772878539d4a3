#include "ClipSteps.h"
#include "clip/ClipRing.h"
#include "ui/ClipCommands.h"
#include "ui/MultiClipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipCommands, CopyTakesTheSelectionAndLeavesTheCaretAfterIt) {
    Harness h;
    SimEditor afterCopy;
    RunSteps(h, {
                    [&] { Select(h, "hello world", 0, 5); },
                    [&] { ChooseMenu(h, "mnuCopy"); },
                    [&] {
                        afterCopy = h.sim.document();
                        Select(h, "hello world", 6, 11);
                        ChooseMenu(h, "mnuCut");
                    },
                });
    EXPECT_EQ(afterCopy.text, "hello world");
    EXPECT_EQ(afterCopy.caret, 5u);
    EXPECT_EQ(afterCopy.anchor, 5u);
    // Cut sends no Right arrow.
    EXPECT_EQ(h.sim.document().text, "hello ");
    EXPECT_EQ(h.sim.document().caret, 6u);
    const MultiClipboardState& m = h.app.clip.multi;
    EXPECT_EQ(StoredClipCount(m), 2);
    EXPECT_EQ(m.slots[0], "hello");
    EXPECT_EQ(m.slots[1], "world");
    EXPECT_TRUE(h.app.clip.capturePending);
}

TEST(ClipCommands, PasteSendsCtrlVOnlyAndTheButtonsRunTheirCommands) {
    Harness h;
    std::string pasted;
    RunSteps(h, {
                    [&] {
                        Select(h, "abc", 3, 3);
                        h.sim.setClipboardText("XY");
                        ChooseMenu(h, "mnuPaste");
                    },
                    [&] {
                        pasted = h.sim.document().text;
                        Select(h, "copy me", 0, 4);
                        ClickAt(h, h.sim.nowMicros(), "frmKeyvane", "cmdCopy");
                    },
                    [&] { ClickAt(h, h.sim.nowMicros(), "frmKeyvane", "cmdMPaste"); },
                });
    EXPECT_EQ(pasted, "abcXY");
    EXPECT_EQ(h.sim.document().text, "copy me");
    EXPECT_EQ(StoredClipCount(h.app.clip.multi), 1);
    EXPECT_EQ(h.app.clip.multi.slots[0], "copy");
    EXPECT_TRUE(ShowsClipList(Display(h)));
}

TEST(ClipCommands, WithCaptureOffNothingIsAdded) {
    Harness h;
    RunSteps(h, {
                    [&] {
                        h.app.options.addClipsToRing = false;
                        Select(h, "text", 0, 4);
                        ChooseMenu(h, "mnuCopy");
                    },
                });
    EXPECT_EQ(h.sim.clipboard(), "text");
    EXPECT_EQ(StoredClipCount(h.app.clip.multi), 0);
}

TEST(ClipCommands, AltCCalculatesOnlyACapturedClipAndOnlyOnce) {
    Harness h;
    RunSteps(h, {
                    [&] {
                        Select(h, "", 0, 0);
                        h.sim.setClipboardText("2 3");
                        CalculateCapturedClip(h.app); // nothing captured yet
                    },
                    [&] {
                        Select(h, "4 5", 0, 3);
                        ChooseMenu(h, "mnuCopy");
                    },
                    [&] { CalculateCapturedClip(h.app); },
                    [&] { CalculateCapturedClip(h.app); },
                });
    EXPECT_EQ(h.sim.document().text, "4 59");
    EXPECT_FALSE(h.app.clip.capturePending);
}

TEST(MultiClipboard, TheListClosesAndWithNoClipsTheMessageComesAndGoes) {
    Harness h;
    std::string first, second, list;
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuMultiPaste"); },
                    [&] {
                        first = Display(h);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] {
                        second = Display(h);
                        h.sim.setClipboardText("clip");
                        CaptureClip(h.app);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] {
                        list = Display(h);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                });
    EXPECT_EQ(first, kEmptyClipboardMessage);
    EXPECT_EQ(second, "");
    EXPECT_TRUE(ShowsClipList(list));
    EXPECT_EQ(Display(h), "");
    EXPECT_FALSE(h.app.clip.multi.enlargedForList);
}

TEST(MultiClipboard, TheMainWindowGrowsToShowTheList) {
    Harness h;
    TwipRect shown;
    bool enlarged = false;
    RunSteps(h, {
                    [&] {
                        for (const char* c : {"a", "b", "c"}) {
                            h.sim.setClipboardText(c);
                            CaptureClip(h.app);
                        }
                        h.app.frmKeyvane.rect.height = 2000;
                        h.app.frmKeyvane.state = WindowState::Minimized;
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] {
                        shown = h.app.frmKeyvane.rect;
                        enlarged = h.app.clip.multi.enlargedForList;
                    },
                });
    EXPECT_EQ(h.app.frmKeyvane.state, WindowState::Normal);
    EXPECT_EQ(shown.height, 3 * 184 + 2343 + 690);
    EXPECT_TRUE(enlarged);
    // The display box grew with it.
    EXPECT_EQ(FindControl(h.app.frmKeyvane, "txtDisplay")->rect.height, 3 * 184 + 2343 - 600);
}

TEST(MultiClipboard, ClickedClipsAreTypedCaseChangedWithShiftAndTakenLiterally) {
    Harness h;
    std::string plain;
    RunSteps(h, {
                    [&] {
                        for (const char* c : {"hello world", "HELLO WORLD. and i am here",
                                              "brace {B1}", "line\r\n"}) {
                            h.sim.setClipboardText(c);
                            CaptureClip(h.app);
                        }
                        Select(h, "", 0, 0);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] { ClickListLine(h, 7); }, // brace {B1}
                    [&] { ClickListLine(h, 8); }, // line, with its line break
                    [&] {
                        plain = h.sim.document().text;
                        Select(h, "", 0, 0);
                        h.sim.schedulePhysicalKey(h.sim.nowMicros(), vk::LShift, false);
                        ClickListLine(h, 5);
                    },
                    [&] { h.sim.schedulePhysicalKey(h.sim.nowMicros(), vk::LShift, true); },
                    [&] {
                        h.sim.schedulePhysicalKey(h.sim.nowMicros(), vk::LShift, false);
                        ClickListLine(h, 6);
                    },
                    [&] { h.sim.schedulePhysicalKey(h.sim.nowMicros(), vk::LShift, true); },
                });
    EXPECT_EQ(plain, "brace {B1}line\n");
    EXPECT_EQ(h.sim.document().text, "HELLO WORLDHello world. And I am here");
    EXPECT_FALSE(h.app.out.literalMode);
}

TEST(MultiClipboard, PasteAllAsAListAndClearList) {
    Harness h;
    std::string all, asList;
    RunSteps(h, {
                    [&] {
                        for (const char* c : {"a", "b"}) {
                            h.sim.setClipboardText(c);
                            CaptureClip(h.app);
                        }
                        Select(h, "", 0, 0);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] { ClickListLine(h, 8); }, // Paste all
                    [&] {
                        all = h.sim.document().text;
                        Select(h, "", 0, 0);
                        ClickListLine(h, 9); // Paste all as a list
                    },
                    [&] {
                        asList = h.sim.document().text;
                        ClickListLine(h, 10); // Clear list
                    },
                });
    EXPECT_EQ(all, "ab");
    EXPECT_EQ(asList, "a\nb\n");
    EXPECT_EQ(StoredClipCount(h.app.clip.multi), 0);
    EXPECT_EQ(Display(h), kEmptyClipboardMessage);
}

TEST(MultiClipboard, ACaptureRefreshesTheListOnShowAndShowsItWhenWanted) {
    Harness h;
    std::string refreshed;
    WindowState stateAfterCopy{};
    RunSteps(h, {
                    [&] {
                        h.sim.setClipboardText("one");
                        CaptureClip(h.app);
                        ChooseMenu(h, "mnuMultiPaste");
                    },
                    [&] {
                        h.sim.setClipboardText("two");
                        CaptureClip(h.app);
                        refreshed = Display(h);
                        ChooseMenu(h, "mnuMultiPaste"); // closed
                    },
                    [&] {
                        h.app.options.showClipsOnCopy = true;
                        h.app.frmKeyvane.state = WindowState::Minimized;
                        Select(h, "three", 0, 5);
                        ChooseMenu(h, "mnuCopy");
                    },
                    [&] { stateAfterCopy = h.app.frmKeyvane.state; },
                });
    EXPECT_NE(refreshed.find(" 2) two"), std::string::npos);
    EXPECT_NE(Display(h).find(" 3) three"), std::string::npos);
    EXPECT_EQ(stateAfterCopy, WindowState::Minimized);
}

TEST(MultiClipboard, ClipsOverTheLimitOrEmptyAreNotCaptured) {
    Harness h;
    RunSteps(h, {
                    [&] {
                        h.sim.setClipboardText(std::string(4001, 'x'));
                        CaptureClip(h.app);
                        h.sim.clearClipboard();
                        CaptureClip(h.app);
                        h.sim.setClipboardText(std::string(4000, 'y'));
                        CaptureClip(h.app);
                    },
                });
    EXPECT_EQ(StoredClipCount(h.app.clip.multi), 1);
    EXPECT_EQ(h.app.clip.multi.slots[0].size(), 4000u);
}

} // namespace
