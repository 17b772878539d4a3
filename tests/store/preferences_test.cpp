#include "FakeFiles.h"
#include "store/KnownPrograms.h"
#include "store/Preferences.h"

#include <gtest/gtest.h>

TEST(Preferences, WhatIsWrittenReadsBackTheSame) {
    Preferences prefs;
    prefs.keepCapitals = false;
    prefs.keyGapMs = 3;
    prefs.terminals = {"mlterm", "st"};
    prefs.pausedPrograms = {"notepad"};
    prefs.startAtLogin = true;
    FakeFiles p;
    ASSERT_TRUE(SavePreferences(p, prefs).ok);
    const PreferencesRead read = LoadPreferences(p);
    EXPECT_EQ(read.prefs, prefs);
    EXPECT_TRUE(read.problems.empty());
}

TEST(Preferences, AMissingFileOrKeyGivesTheDefaults) {
    FakeFiles p;
    const PreferencesRead none = LoadPreferences(p);
    EXPECT_EQ(none.prefs, Preferences{});
    EXPECT_TRUE(none.problems.empty());
    EXPECT_TRUE(none.prefs.keepCapitals);
    EXPECT_FALSE(none.prefs.keyGapMs);
    EXPECT_EQ(ParsePreferences("# just a comment\r\n\r\n").prefs, Preferences{});
}

TEST(Preferences, ABadLineIsNamedAndTheRestIsUsed) {
    const PreferencesRead read = ParsePreferences("paused = Notepad\r\n"
                                                  "keep_capitals=yes\n"
                                                  "colour=blue\n"
                                                  "key_gap_ms=-1\n"
                                                  "just words\n"
                                                  "terminal=\n"
                                                  "paused=notepad\n"
                                                  "start_at_login=1");
    EXPECT_EQ(read.prefs.pausedPrograms, std::vector<std::string>{"notepad"});
    EXPECT_TRUE(read.prefs.keepCapitals);
    EXPECT_TRUE(read.prefs.startAtLogin);
    EXPECT_FALSE(read.prefs.keyGapMs);
    ASSERT_EQ(read.problems.size(), 5u);
    EXPECT_EQ(read.problems[0],
              "QNPrefs.ini, line 2 (keep_capitals=yes): keep_capitals takes 0 or 1. The line is "
              "not used.");
    EXPECT_NE(read.problems[1].find("line 3 (colour=blue): \"colour\" is not a preference"),
              std::string::npos);
    EXPECT_NE(read.problems[2].find("line 4"), std::string::npos);
    EXPECT_NE(read.problems[3].find("line 5 (just words): it is not of the form key=value"),
              std::string::npos);
    EXPECT_NE(read.problems[4].find("line 6"), std::string::npos);
}

// The desktops name programs in their own ways: Windows by the executable, X11 by the window
// class; the user's terminal= lines add to the built-in terminals, matched the same way.
TEST(KnownPrograms, TerminalsAreKnownByNameWhateverTheCaseOrExtension) {
    Preferences prefs;
    prefs.terminals = {"MLterm.exe"};
    const struct {
        const char* program;
        bool terminal;
    } cases[] = {
        {"windowsterminal", true},
        {"WindowsTerminal.exe", true},
        {"cmd.exe", true},
        {"conhost", true},
        {"xterm", true},
        {"urxvt", true},
        {"gnome-terminal-server", true},
        {"terminal", true},
        {"mlterm", true},
        {"document", false},
        {"notepad.exe", false},
        {"", false},
        {"terminal.exe.bak", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsTerminalProgram(prefs, c.program), c.terminal) << c.program;
}

TEST(KnownPrograms, OnlyAProgramThatDropsKeysGetsAPauseUnlessTheUserSetsOne) {
    Preferences prefs;
    EXPECT_EQ(SyntheticKeyGapMs(prefs, "xterm"), 0u);
    EXPECT_EQ(SyntheticKeyGapMs(prefs, ""), 0u);
    EXPECT_EQ(SyntheticKeyGapMs(prefs, "abiword"), 3u);
    EXPECT_EQ(SyntheticKeyGapMs(prefs, "AbiWord.exe"), 3u);
    prefs.keyGapMs = 1;
    EXPECT_EQ(SyntheticKeyGapMs(prefs, "abiword"), 1u);
    EXPECT_EQ(SyntheticKeyGapMs(prefs, "xterm"), 1u);
}

TEST(KnownPrograms, PausingTogglesOneProgramAndKeepsTheOthers) {
    Preferences prefs;
    prefs.pausedPrograms = {"notepad"};
    prefs = WithPauseToggled(prefs, "Mousepad");
    EXPECT_TRUE(IsPausedProgram(prefs, "mousepad"));
    EXPECT_TRUE(IsPausedProgram(prefs, "NOTEPAD.EXE"));
    prefs = WithPauseToggled(prefs, "notepad.exe");
    EXPECT_EQ(prefs.pausedPrograms, std::vector<std::string>{"mousepad"});
    EXPECT_EQ(WithPauseToggled(prefs, ""), prefs);
    EXPECT_FALSE(IsPausedProgram(prefs, ""));
}
