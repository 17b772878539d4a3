#include "UiTest.h"
#include "ui/MainWindowModel.h"
#include "ui/OptionsMenu.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::string line; // the settings line on file afterwards
    std::string file; // the whole database file afterwards
    std::string fileBefore;
};

// Starts the program on `settings`, chooses the menu entries, then closes the main window and
// answers the exit's questions.
Outcome ChooseThenClose(const std::string& settings, std::initializer_list<const char*> menus,
                        std::initializer_list<const char*> answers) {
    Harness h;
    UseSettings(h, settings);
    Outcome run;
    run.fileBefore = h.file();
    std::int64_t at = kSecond / 10;
    for (const char* menu : menus) h.chooseMenuAt(at += kSecond / 10, menu);
    for (const char* answer : answers) h.sim.queueAnswer(answer);
    h.closeMainWindowAt(at + kSecond / 10);
    h.runToEnd();
    run.line = SettingsOnFile(h);
    run.file = h.file();
    return run;
}

// Each entry that flips or sets an option changes exactly its field of the settings line, and
// only when the exit's question is answered Yes.
TEST(OptionsMenu, EveryOptionReachesItsSettingsFieldOnlyWhenTheUserKeepsIt) {
    const std::string d = DefaultSettings;
    const std::string colored =
        WithField(WithField(WithField(WithField(d, 4, "1"), 9, "2"), 10, "3"), 21, "4");
    const struct {
        const char* menu;
        std::string before;
        int field;
        const char* after;
    } cases[] = {
        {"mnuExpandOffOn", d, 23, "0"},
        {"mnuLookAheadOffOn", d, 2, "1"},
        {"mnuSmallWindow", d, 1, "1"},
        {"mnuStartMin", d, 20, "1"},
        {"mnuCSFullSpeed", d, 3, "1"},
        {"mnuMedium", d, 2, "2"},
        {"mnuLarge", WithField(d, 2, "1"), 2, "5"},
        {"mnuSmall", WithField(d, 2, "4"), 2, "0"},
        {"mnuTagOnOff", d, 14, "2"},
        {"mnuActiveOnlyDisp", d, 15, "2"},
        {"mnuUseNone", WithField(d, 16, "30"), 16, "0"},
        {"mnuOneLetter", d, 16, "10"},
        {"mnuSevenLetters", d, 16, "70"},
        {"mnuAllForms", d, 16, "90"},
        {"mnuDispPanel", d, 20, "2"},
        {"mnuHighlightDisp", d, 19, "2"},
        {"mnuAnchor", d, 11, "1"},
        {"mnuAnchor", WithField(d, 11, "1"), 11, "0"},
        {"mnuVisibility", d, 19, "1"},
        {"mnuDispStatsTyping", d, 15, "1"},
        {"mnuTipOfDay", d, 14, "1"},
        {"mnuShowClipsOnCopy", d, 1, "2"},
        {"mnuDefCol", colored, 4, "16748688"},
        {"mnuDefPickColor", colored, 9, "10415071"},
        {"mnuDefButtonColor", colored, 10, "16761024"},
        {"mnuDefDispColor", colored, 21, "3986882"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " on " + c.before);
        const Outcome kept = ChooseThenClose(c.before, {c.menu}, {"Yes"});
        EXPECT_EQ(kept.line, WithField(c.before, c.field, c.after));
        const Outcome dropped = ChooseThenClose(c.before, {c.menu}, {"No"});
        EXPECT_EQ(dropped.file, dropped.fileBefore);
    }
}

TEST(OptionsMenu, StatisticsAtCloseAsksItsOwnQuestionBeforeTheSave) {
    const Outcome kept = ChooseThenClose(DefaultSettings, {"mnuDispStatsEnd"}, {"Yes", "Yes"});
    EXPECT_EQ(kept.line, WithField(DefaultSettings, 16, "1"));
    // Answering No to "Show this display in future?" takes the switch back off.
    const Outcome undone = ChooseThenClose(DefaultSettings, {"mnuDispStatsEnd"}, {"No", "Yes"});
    EXPECT_EQ(undone.line, DefaultSettings);
}

TEST(OptionsMenu, ProtectedModeWritesNothingWhateverChanged) {
    const Outcome on = ChooseThenClose(DefaultSettings, {"mnuProtect", "mnuCSFullSpeed"}, {"Yes"});
    EXPECT_EQ(on.file, on.fileBefore);
    // Turning it off again is a change of the database too: the file is written even when the
    // settings are not kept, and then with the settings line as it was.
    const std::string protectedLine = WithField(DefaultSettings, 3, "2");
    const Outcome off = ChooseThenClose(protectedLine, {"mnuProtect"}, {"No"});
    EXPECT_EQ(off.line, protectedLine);
    const Outcome offKept = ChooseThenClose(protectedLine, {"mnuProtect"}, {"Yes"});
    EXPECT_EQ(offKept.line, DefaultSettings);
}

TEST(OptionsMenu, OpeningTheMenuSetsEveryCaptionAndCheckMark) {
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"mnuExpandOffOn", "Use Abbreviation Expander     F9"},
        {"mnuLookAheadOffOn", "Look ahead for short forms"},
        {"mnuSmallWindow", "Use small Quibnote window"},
        {"mnuTipOfDay", "Show &Pearls of Insight"},
        {"mnuProtect", "Use &Protected Mode"},
        {"mnuCatchCopy", "&Add clips to multi-clipboard"},
        {"mnuShowClipsOnCopy", "Display multi-&clipboard on copy"},
    };
    // Look-ahead on at 10 points, use level 4 with statistics at close, the panel neither always
    // visible nor highlighting, and a main window colour of its own.
    const std::string line = WithField(
        WithField(WithField(WithField(DefaultSettings, 2, "3"), 16, "41"), 19, "3"), 4, "255");
    Harness h;
    UseSettings(h, WithField(line, 20, "0"));
    h.chooseMenuAt(kSecond / 10, "mnuOptions");
    h.runFor(kSecond / 5);
    Form& f = h.app.frmKeyvane;
    for (const auto& c : captions) EXPECT_EQ(FindMenuItem(f, c.name)->caption, c.caption) << c.name;
    const struct {
        const char* name;
        bool checked;
    } checks[] = {
        {"mnuExpandOffOn", true},      {"mnuLookAheadOffOn", true}, {"mnuSmallWindow", false},
        {"mnuSmall", false},           {"mnuMedium", true},         {"mnuLarge", false},
        {"mnuFourLetters", true},      {"mnuThreeLetter", false},   {"mnuDispStatsEnd", true},
        {"mnuDispStatsTyping", false}, {"mnuTagOnOff", true},       {"mnuActiveOnlyDisp", true},
        {"mnuCatchCopy", true},        {"mnuVisibility", false},    {"mnuHighlightDisp", false},
        {"mnuDispPanel", false},       {"mnuAnchor", true},         {"mnuDefCol", true},
        {"mnuDefButtonColor", false},
    };
    for (const auto& c : checks) EXPECT_EQ(FindMenuItem(f, c.name)->checked, c.checked) << c.name;
    // The panel's own switches wait for the panel.
    EXPECT_FALSE(FindMenuItem(f, "mnuAnchor")->enabled);
    EXPECT_FALSE(FindMenuItem(f, "mnuVisibility")->enabled);
    EXPECT_TRUE(FindMenuItem(f, "mnuHighlightDisp")->enabled);
}

TEST(OptionsMenu, AnOldFontSizeOfNineChecksLarge) {
    SimDesktop sim("");
    App app(sim);
    app.frmKeyvane = MakeMainWindowForm();
    app.options.fontSize = 9;
    RefreshOptionsMenu(app);
    EXPECT_TRUE(FindMenuItem(app.frmKeyvane, "mnuLarge")->checked);
    EXPECT_FALSE(FindMenuItem(app.frmKeyvane, "mnuMedium")->checked);
    EXPECT_FALSE(FindMenuItem(app.frmKeyvane, "mnuSmall")->checked);
}

// The login entry and the preference change together or not at all: a refused entry writes no
// preference, and a preference that cannot be saved puts the entry back; both are reported.
TEST(OptionsMenu, StartAtLoginKeepsTheEntryAndThePreferenceTogether) {
    const struct {
        std::string faultyFile; // empty: every file, the login entry too
        std::vector<bool> requests;
        const char* message;
    } cases[] = {
        {"QNPrefs.ini", {true, false}, "Quibnote could not save the preference in QNPrefs.ini"},
        {"", {true}, "Quibnote could not add itself to the programs started at login."},
    };
    for (const auto& c : cases) {
        Harness h;
        h.sim.setFileFault(SimDesktop::FileFault::DiskFull, c.faultyFile);
        h.chooseMenuAt(kSecond / 10, "mnuStartAtLogin");
        h.runFor(kSecond / 2);
        EXPECT_EQ(h.sim.startAtLoginRequests(), c.requests) << c.faultyFile;
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.faultyFile;
        EXPECT_TRUE(messages[0].starts_with(c.message)) << messages[0];
        EXPECT_FALSE(h.app.prefs.startAtLogin);
        EXPECT_FALSE(std::filesystem::exists(h.folder / "QNPrefs.ini"));
    }
}

// Keeping the capitals and pausing in the program in front change only once QNPrefs.ini holds
// the change; a file that cannot be written is reported and nothing changes.
TEST(OptionsMenu, PreferencesThatCannotBeSavedAreNotChanged) {
    for (const char* item : {"mnuKeepCase", "mnuPauseHere"}) {
        Harness h;
        h.sim.setFileFault(SimDesktop::FileFault::DiskFull, "QNPrefs.ini");
        h.chooseMenuAt(kSecond / 10, item);
        h.runFor(kSecond / 2);
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << item;
        EXPECT_TRUE(
            messages[0].starts_with("Quibnote could not save the preference in QNPrefs.ini"))
            << messages[0];
        EXPECT_EQ(h.app.prefs, Preferences{}) << item;
        EXPECT_FALSE(h.app.engine.targetProgram.paused) << item;
    }
}

} // namespace
