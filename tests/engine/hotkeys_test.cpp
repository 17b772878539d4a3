#include "../ui/Steps.h"
#include "Typing.h"
#include "engine/Hotkeys.h"
#include "engine/SuffixKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(SuffixKeys, EachCharacterGivesItsEndingAndIngAndEdMindAFinalE) {
    const struct {
        char typed;
        const char* output;
        const char* suffix;
        const char* result;
    } cases[] = {
        {'[', "cat", "s", "cats"},       {'{', "good", "ness", "goodness"},
        {']', "walk", "ed", "walked"},   {']', "hope", "d", "hoped"},
        {']', "HOPE", "ed", "HOPEed"},   {'}', "make", "ing", "making"},
        {'}', "makE", "ing", "makEing"}, {'}', "walk", "ing", "walking"},
        {'=', "quick", "ly", "quickly"}, {'+', "move", "ment", "movement"},
        {'=', "", "ly", "ly"},
    };
    for (const auto& c : cases) {
        const std::string suffix = SuffixFor(c.typed, c.output);
        EXPECT_EQ(suffix, c.suffix) << c.output;
        EXPECT_EQ(WithSuffix(c.output, suffix), c.result) << c.output;
    }
    // In capitals, as typed while Caps Lock is on, the "e" before "ING" goes all the same.
    EXPECT_EQ(WithSuffix("make", "ING"), "makING");
    EXPECT_FALSE(IsSuffixChar('\''));
    EXPECT_FALSE(IsSuffixChar(0));
}

TEST(Hotkeys, AltDTakesTheExpansionShownUnlessItIsStaleThenTheWordThenTheWordBefore) {
    const struct {
        const char* shown;
        bool panelShowsNothing;
        const char* word;
        const char* previous;
        const char* sent;
    } cases[] = {
        {"about", false, "abt", "x", "about"},
        // The panel shows nothing: a longer expansion is still the one just typed.
        {"making", true, "", "x", "making"},
        {"ab", true, "abc", "x", "abc"},
        {"abc", true, "abc", "x", "abc"},
        {"", true, "walk", "x", "walk"},
        {"", true, "", "walk", "walk"},
        {"", false, "", "walk", "walk"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DictionaryWord(c.shown, c.panelShowsNothing, c.word, c.previous), c.sent)
            << c.shown << "|" << c.word;
}

// The hotkeys fixture: records mk make, hp hope, abt about; a dictionary whose program is the
// database file itself (it only has to exist), started as a window titled Dict.
struct DictionaryDesk {
    Harness h;
    Typist t{h};

    DictionaryDesk() {
        std::ifstream in(std::filesystem::path(QUIBNOTE_SOURCE_DIR) /
                             "tests/fixtures/hotkeys/QNhForms.dta",
                         std::ios::binary);
        h.writeFile({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        const std::string program = (h.folder / "QNhForms.dta").string();
        h.writeFile(program + "\r\nDict\r\n{N1}\r\n", "QNDict.txt");
        h.sim.installProgram(program, "Dict");
    }
    std::string looked() {
        const SimEditor* dict = h.sim.editorOf("Dict");
        return dict ? dict->text : "(not started)";
    }
};

TEST(Hotkeys, AltDLooksUpTheWordWithAPendingEndingOrTheWordBefore) {
    const struct {
        const char* typed;
        bool shiftedBracket;
        const char* looked;
    } cases[] = {
        {"abt", false, "about\n"},  // the preview on show
        {"mk", true, "making\n"},   // the ending of the suffix key joins the word
        {"hp]", false, "hoped\n"},  //
        {"walk ", false, "walk\n"}, // the word ended: the word before
        {"walk", false, "walk\n"},  // no short form: the word typed
        {"mk", false, "make\n"},    // armed, not yet expanded
        {"hp] ", false, "hope\n"},  // a delimiter after no word drops the ending
    };
    for (const auto& c : cases) {
        DictionaryDesk d;
        d.t.type(c.typed);
        if (c.shiftedBracket) d.t.chord({vk::LShift, vk::Oem6});
        d.t.chord({vk::Menu, 'D'});
        d.t.finish();
        EXPECT_EQ(d.looked(), c.looked) << c.typed;
    }
}

TEST(Hotkeys, AltDDoesNothingWithoutADictionary) {
    DictionaryDesk d;
    d.h.writeFile("/no/such/program\r\nDict\r\n{N1}\r\n", "QNDict.txt");
    d.t.type("abt");
    d.t.chord({vk::Menu, 'D'});
    d.t.finish();
    EXPECT_EQ(d.looked(), "(not started)");
    EXPECT_EQ(d.h.sim.document().text, "abt");
}

// The chord is held on: Ctrl+C, then the right Ctrl while the left comes up, an X on the way,
// and the right Ctrl up only at 700 ms. A look at the multi-clipboard at 400 ms finds it still
// empty: the capture waited for the last key.
TEST(Hotkeys, HoldingCtrlCKeepsTheCaptureWaitingUntilEveryKeyIsUp) {
    Harness h;
    std::int64_t resumed = 0;
    RunSteps(h, {
                    [&] {
                        h.sim.setClipboardText("7 8");
                        const std::int64_t t = h.sim.nowMicros();
                        h.sim.schedulePhysicalKey(t + 10'000, vk::LControl, false);
                        h.sim.schedulePhysicalKey(t + 40'000, 'C', false);
                        h.sim.schedulePhysicalKey(t + 70'000, 'C', true);
                        h.sim.schedulePhysicalKey(t + 100'000, vk::RControl, false);
                        h.sim.schedulePhysicalKey(t + 130'000, vk::LControl, true);
                        h.sim.schedulePhysicalKey(t + 200'000, 'X', false);
                        h.sim.schedulePhysicalKey(t + 230'000, 'X', true);
                        h.sim.schedulePhysicalKey(t + 700'000, vk::RControl, true);
                        h.sim.scheduleAction(
                            t + 400'000,
                            {UserAction::Kind::Menu, "frmKeyvane", "mnuMultiPaste", -1, 0, 0, {}});
                        resumed = t + 700'000;
                    },
                    [&] {},
                });
    EXPECT_TRUE(h.app.clip.capturePending);
    EXPECT_EQ(h.app.clip.multi.slots[0], "7 8");
    EXPECT_EQ(FindControl(h.app.frmKeyvane, "txtDisplay")->text.find("7 8"), std::string::npos);
    EXPECT_GT(h.sim.nowMicros(), resumed);
}

// Each message of F11 and Ctrl+F11 stays half a second, as the clock measures it in its 1/64 s
// steps, before the pass goes on.
TEST(Hotkeys, ThePanelHotkeysPauseHalfASecondAfterTheirMessage) {
    Harness h;
    std::vector<std::int64_t> pauses;
    const auto press = [&](bool ctrl, bool shift) {
        PassReadings k{};
        k.f11 = true;
        k.ctrl = ctrl;
        k.shift = shift;
        const std::int64_t before = h.sim.nowMicros();
        RunPanelHotkeys(h.app, k);
        pauses.push_back(h.sim.nowMicros() - before);
    };
    bool highlight = false;
    RunSteps(h, {[&] {
                 highlight = h.app.options.highlightDisplay;
                 press(true, false);
                 press(false, false);
             }});
    EXPECT_NE(h.app.options.highlightDisplay, highlight);
    EXPECT_TRUE(h.app.db.settingsChanged);
    ASSERT_EQ(pauses.size(), 2u);
    for (std::int64_t p : pauses) {
        EXPECT_GE(p, 500'000 - 15'625);
        EXPECT_LT(p, 520'000);
    }
}

} // namespace
