#include "store/Settings.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A settings line with one field set and every field before it unreadable ("x").
std::string LineWithField(int n, const std::string& value) {
    std::string line;
    for (int k = 1; k < n; ++k) line += "x ";
    return line + value;
}

} // namespace

TEST(GetField, WordsOfTheTrimmedLineWithEmptyWordsBetweenAdjacentSpaces) {
    const std::string line = "  a b  c ";
    EXPECT_EQ(GetField(1, line), "a");
    EXPECT_EQ(GetField(2, line), "b");
    EXPECT_EQ(GetField(3, line), "");
    EXPECT_EQ(GetField(4, line), "c");
    EXPECT_EQ(GetField(5, line), "");
    EXPECT_EQ(GetField(1, ""), "");
}

TEST(ParseSettings, EmptyLineGivesTheDefaults) {
    const Options o = ParseSettings("");
    EXPECT_EQ(o, Options{});
    EXPECT_TRUE(o.activateUsedWords);
    EXPECT_TRUE(o.activeOnlyLists);
    EXPECT_TRUE(o.panelAlwaysVisible);
    EXPECT_TRUE(o.highlightDisplay);
    EXPECT_EQ(o.mainColor, 0xFF9090u);
    EXPECT_EQ(o.panelColor, 0x3CD5C2u);
}

TEST(ParseSettings, FieldValues) {
    struct Case {
        int field;
        std::string value;
        std::function<bool(const Options&)> holds;
        std::string what;
    };
    const Case cases[] = {
        {1, "3", [](const Options& o) { return o.smallWindow && o.showClipsOnCopy; }, "both"},
        {1, "2", [](const Options& o) { return !o.smallWindow && o.showClipsOnCopy; },
         "clips only"},
        {1, "5", [](const Options& o) { return o.smallWindow && !o.showClipsOnCopy; },
         "5 \\ 2 is 2"},
        {1, "x", [](const Options& o) { return !o.smallWindow && !o.showClipsOnCopy; },
         "non-numeric"},
        {1, "65539", [](const Options& o) { return !o.smallWindow && !o.showClipsOnCopy; },
         "beyond 16 bits reads as no number, not as 3"},
        {2, "5", [](const Options& o) { return o.lookAhead && o.fontSize == 12; },
         "12 with look-ahead"},
        {2, "2", [](const Options& o) { return !o.lookAhead && o.fontSize == 10; }, "10"},
        {2, "7", [](const Options& o) { return o.lookAhead && o.fontSize == 12; },
         "size kept within the menu's 8-12"},
        {2, "-3", [](const Options& o) { return o.lookAhead && o.fontSize == 8; },
         "negative size kept within the menu's 8-12"},
        {3, "2", [](const Options& o) { return !o.fullSpeed && o.protectedMode; }, "protected"},
        {4, "red", [](const Options& o) { return o.mainColor == 0xFF9090; }, "colour default"},
        {4, "255", [](const Options& o) { return o.mainColor == 255; }, "colour"},
        {4, "-1", [](const Options& o) { return o.mainColor == 0xFFFFFFFF; }, "32-bit colour"},
        {5, "abc", [](const Options& o) { return o.mainTop == 2150; }, "non-numeric keeps"},
        {5, "300x", [](const Options& o) { return o.mainTop == 2150; }, "partly numeric keeps"},
        {5, "40000", [](const Options& o) { return o.mainTop == 2150; }, "beyond 16 bits keeps"},
        {5, "-120", [](const Options& o) { return o.mainTop == -120; }, "negative"},
        {6, "2150.5", [](const Options& o) { return o.mainLeft == 2150; }, "half to even"},
        {6, "2151.5", [](const Options& o) { return o.mainLeft == 2152; }, "half to even up"},
        {7, "5000",
         [](const Options& o) { return o.mainHeight == 5000 && o.startupHeight == 5000; },
         "start-up size remembered"},
        {9, "", [](const Options& o) { return o.pickColor == 0x9EEBDF; }, "missing colour"},
        {10, "x1", [](const Options& o) { return o.buttonColor == 0xFFC0C0; }, "colour default"},
        {11, "1", [](const Options& o) { return o.panelAnchored; }, "anchored"},
        {11, "0", [](const Options& o) { return !o.panelAnchored; }, "floating"},
        {14, "0", [](const Options& o) { return !o.tipAtStart && o.activateUsedWords; },
         "inverted"},
        {14, "3", [](const Options& o) { return o.tipAtStart && !o.activateUsedWords; }, "both"},
        {15, "2", [](const Options& o) { return !o.statsWhileTyping && !o.activeOnlyLists; },
         "all"},
        {16, "31", [](const Options& o) { return o.useLevel == 3 && o.statsAtClose; }, "31"},
        {16, "30", [](const Options& o) { return o.useLevel == 3 && !o.statsAtClose; }, "30"},
        {16, "91", [](const Options& o) { return o.useLevel == 9 && o.statsAtClose; }, "91"},
        {16, "150", [](const Options& o) { return o.useLevel == 9; }, "level kept within 0-9"},
        {17, "12", [](const Options& o) { return o.ctrlQuoteCount == 12; }, "count"},
        {18, "7", [](const Options& o) { return o.ctrlSpaceCount == 7; }, "count"},
        {19, "3", [](const Options& o) { return !o.panelAlwaysVisible && !o.highlightDisplay; },
         "inverted"},
        {19, "1", [](const Options& o) { return !o.panelAlwaysVisible && o.highlightDisplay; },
         "inverted bit 0"},
        {20, "3", [](const Options& o) { return o.startMinimized && o.usePanel; }, "both"},
        {21, "x", [](const Options& o) { return o.panelColor == 0x3CD5C2; }, "colour default"},
        {22, "2", [](const Options& o) { return o.calcDecimals == "2"; }, "decimals"},
        {23, "1", [](const Options& o) { return o.expanderOn; }, "on"},
        {23, "2", [](const Options& o) { return !o.expanderOn; }, "other than 1"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.holds(ParseSettings(LineWithField(c.field, c.value))))
            << "field " << c.field << " = \"" << c.value << "\": " << c.what;
}

TEST(ParseSettings, KeepsTheTextAfterField23) {
    const std::string fields = "0 0 0 1 2 3 4 5 6 7 0 8 9 0 0 0 0 0 0 0 1 2 1";
    EXPECT_EQ(ParseSettings(fields + " -- Copyright  Loffe, 2003 ").tail,
              "-- Copyright  Loffe, 2003");
    EXPECT_EQ(ParseSettings(fields).tail, "");
}

// A line a field short or long, as another program or a hand edit leaves it: the type code and
// the rest of the tail survive the save, and so does the expander's field.
TEST(ParseSettings, ALineWithTooFewOrTooManyFieldsKeepsItsTypeCode) {
    const std::string first21 = "0 0 0 1 2 3 4 5 6 7 0 8 9 0 0 0 0 0 0 0 3986882";
    const struct {
        std::string line;
        const char* rebuilt;
        bool expanderOn;
    } cases[] = {
        // Field 22 empty, written without its space.
        {first21 + " 1 -- Copyright 2026", " 1 -- Copyright 2026", true},
        {first21 + " 2 1 CU Copyright 2026 -- shared", "2 1 CU Copyright 2026 -- shared", true},
        {first21 + " 2 1 extra CU Copyright x", "2 1 extra CU Copyright x", true},
        {"0 0 0 -- Copyright x", " 0 -- Copyright x", false},
        {first21 + " 2 1 C1-- Copyright", "2 1 C1-- Copyright", true},
        // The word in a field as well: the field is a number again, the code stays the code.
        {"0 0 0 Copyright 2 3 4 5 6 7 0 8 9 0 0 0 0 0 0 0 3986882 2 1 -- Copyright",
         "3986882 2 1 -- Copyright", true},
    };
    for (const auto& c : cases) {
        const Options o = ParseSettings(c.line);
        EXPECT_EQ(o.expanderOn, c.expanderOn) << c.line;
        const std::string saved = BuildSettingsLine(o);
        EXPECT_TRUE(saved.ends_with(c.rebuilt)) << c.line << " -> " << saved;
        EXPECT_EQ(DatabaseTypeCode(saved), DatabaseTypeCode(c.line)) << saved;
        EXPECT_EQ(BuildSettingsLine(ParseSettings(saved)), saved);
    }
}

TEST(BuildSettingsLine, RebuildsTheLineItWrote) {
    Options o;
    o.smallWindow = true;
    o.showClipsOnCopy = true;
    o.lookAhead = true;
    o.fontSize = 12;
    o.protectedMode = true;
    o.mainColor = 0x123456;
    o.mainTop = 100;
    o.mainLeft = 200;
    o.mainHeight = 7950;
    o.startupHeight = 7950;
    o.mainWidth = 400;
    o.panelAnchored = true;
    o.panelTop = 500;
    o.panelLeft = 600;
    o.tipAtStart = true;
    o.activateUsedWords = false;
    o.activeOnlyLists = false;
    o.statsAtClose = true;
    o.useLevel = 4;
    o.ctrlQuoteCount = 3;
    o.ctrlSpaceCount = 9;
    o.highlightDisplay = false;
    o.usePanel = true;
    o.calcDecimals = "2";
    o.expanderOn = true;
    o.tail = "C1 Copyright 2026";
    const std::string line = BuildSettingsLine(o);
    EXPECT_EQ(line,
              "3 5 2 1193046 100 200 7950 400 10415071 16761024 1 500 600 3 2 41 3 9 2 2 3986882 "
              "2 1 C1 Copyright 2026");
    Options read = ParseSettings(line);
    read.startupTop = o.startupTop;
    read.startupLeft = o.startupLeft;
    read.startupWidth = o.startupWidth;
    EXPECT_EQ(read, o);
    EXPECT_EQ(BuildSettingsLine(read), line);

    // Empty decimals and no tail: the empty field and the trailing space survive.
    const std::string plain = BuildSettingsLine(Options{});
    EXPECT_EQ(plain, "0 0 0 16748688 2150 13300 7950 4060 10415071 16761024 0 0 0 0 0 0 0 0 0 0 "
                     "3986882  0 ");
    EXPECT_EQ(BuildSettingsLine(ParseSettings(plain)), plain);
}

TEST(BuildSettingsLine, WritesStartupHeightForASmallWindowAndNoNegativeTop) {
    Options o;
    o.mainTop = -45;
    o.smallWindow = true;
    o.mainHeight = 1200;
    o.startupHeight = 6000;
    const std::string line = BuildSettingsLine(o);
    EXPECT_EQ(GetField(5, line), "0");
    EXPECT_EQ(GetField(7, line), "6000");
    o.smallWindow = false;
    EXPECT_EQ(GetField(7, BuildSettingsLine(o)), "1200");
}

TEST(BuildSettingsLine, SpacesInTheDecimalsCannotShiftLaterFields) {
    Options o;
    o.calcDecimals = "2 3";
    o.expanderOn = true;
    const Options read = ParseSettings(BuildSettingsLine(o));
    EXPECT_EQ(read.calcDecimals, "23");
    EXPECT_TRUE(read.expanderOn);
}

TEST(DatabaseTypeCode, TheTwoCharactersBeforeCopyright) {
    EXPECT_EQ(DatabaseTypeCode("0 0 0 -- Copyright 2026"), "--");
    EXPECT_EQ(DatabaseTypeCode("0 0 0 C1 Copyright"), "C1");
    EXPECT_EQ(DatabaseTypeCode("0 0 0"), "");
    EXPECT_EQ(DatabaseTypeCode(" Copyright"), "");
    // A field before the code can hold the word too; the code is where a save finds it again.
    EXPECT_EQ(DatabaseTypeCode("0 Copyright 0 -- Copyright"), "--");
}
