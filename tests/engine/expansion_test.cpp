#include "Typing.h"

#include <gtest/gtest.h>

namespace {

struct Typed {
    std::string document;
    SessionStats stats;
};

// At use level 9: every short form is in use. Which are at the other levels is the matcher's
// (matcher_test.cpp).
Typed TypeInto(const std::string& text) {
    Harness h;
    h.writeFile(WithOptions(h.file(), [](Options& o) { o.useLevel = 9; }));
    Typist t{h};
    t.type(text);
    t.finish();
    return {h.sim.document().text, h.app.stats};
}

// The fixture database's records: abt about, sy "Sincerely yours," two line breaks by a key
// script and Jo, d and, lb two lines, cmpy company (four letters), bc because (activated).
TEST(Expansion, TheShortFormIsReplacedAndTheKeystrokesSavedAreCounted) {
    const struct {
        const char* typed;
        const char* document;
        int expansions;
        int saved;
    } cases[] = {
        {"abt ", "about ", 1, 2},
        {"abt.", "about.", 1, 2},
        // The backslash only asks for the expansion: it is not typed again, nor counted; the
        // letters after it continue the word.
        {"abt\\", "about", 1, 1},
        {"abt\\abt ", "aboutabt ", 1, 1},
        // Key tokens that type fewer keys than their characters are not counted as saved.
        {"sy ", "Sincerely yours,\n\nJo ", 1, 18},
        {"lb ", "Line one\nLine two ", 1, 15},
        {"D ", "And ", 1, 2},
        {"ABT ", "ABOUT ", 1, 2}, // the capitals typed are kept
        {"abt2 ", "abt2 ", 0, 0},
        {"2abt ", "2abt ", 0, 0},
        // A period and an apostrophe inside a word keep the word going; after a space a quote
        // opens a new one.
        {"e.abt ", "e.abt ", 0, 0},
        {"x'abt ", "x'abt ", 0, 0},
        {"'abt ", "'about ", 1, 2},
    };
    for (const auto& c : cases) {
        const Typed r = TypeInto(c.typed);
        EXPECT_EQ(r.document, c.document) << c.typed;
        EXPECT_EQ(r.stats.expansions, c.expansions) << c.typed;
        EXPECT_EQ(r.stats.keystrokesSaved, c.saved) << c.typed;
        EXPECT_EQ(r.stats.charsTyped, static_cast<int>(std::string(c.typed).size())) << c.typed;
    }
}

TEST(Expansion, AltSLetsTheWordExpandWhateverItsLengthUntilItEnds) {
    for (const bool beforeLastLetter : {true, false}) {
        Harness h;
        // Activation off: an expansion would otherwise activate the short form for good.
        h.writeFile(WithOptions(h.file(), [](Options& o) {
            o.useLevel = 3;
            o.activateUsedWords = false;
        }));
        Typist t{h};
        t.type(beforeLastLetter ? "cmp" : "cmpy");
        t.chord({vk::Menu, 'S'});
        t.type(beforeLastLetter ? "y cmpy " : " cmpy ");
        t.finish();
        EXPECT_EQ(h.sim.document().text, "company cmpy ") << beforeLastLetter;
    }
}

TEST(Expansion, ShiftSpaceAndTheBackQuoteKeepTheExpansionBack) {
    Harness h;
    Typist t{h};
    t.type("abt");
    t.chord({vk::LShift, vk::Space});
    t.type("abt`");
    t.finish();
    EXPECT_EQ(h.sim.document().text, "abt abt");
    EXPECT_EQ(h.app.stats.expansions, 0);
    EXPECT_EQ(h.app.frmKeyvane.caption, "Quibnote");
}

TEST(Expansion, ADelimiterHeldDownExpandsOnceAndAgainWhenPressedAgain) {
    Harness h;
    Typist t{h};
    t.type("abt");
    h.sim.schedulePhysicalKey(t.at, vk::Space, false);
    h.sim.schedulePhysicalKey(t.at + 400'000, vk::Space, true);
    t.pause(500'000);
    t.type("abt ");
    t.finish();
    EXPECT_EQ(h.sim.document().text, "about about ");
    EXPECT_EQ(h.app.stats.expansions, 2);
    EXPECT_EQ(h.app.stats.charsTyped, 8);
}

// The highlighted suggestion is typed after the caret and selected, so whatever the user types
// next replaces it.
TEST(Expansion, TheSuggestionStandsSelectedWhileThePreviewShows) {
    Harness h;
    Typist t{h};
    t.type("abt");
    h.runFor(t.at);
    const SimEditor& doc = h.sim.document();
    EXPECT_EQ(doc.text, "abtabout");
    EXPECT_EQ(SelectedText(doc), "about");
    EXPECT_EQ(h.app.frmKeyvane.caption, "--> about <");
    EXPECT_TRUE(h.app.engine.expansion.armed);
    EXPECT_EQ(h.app.engine.expansion.pendingOutput, "\b\b\b\babout");
}

TEST(Expansion, ShiftBackspaceShortensTheWordAndLooksItUpAgain) {
    Harness h;
    Typist t{h};
    t.type("abtx");
    t.chord({vk::LShift, vk::Back});
    t.type(" ");
    t.type("abx");
    t.key(vk::Back);
    t.type("t ");
    t.finish();
    // A plain Backspace in a followed word takes its letter and looks the word up again.
    EXPECT_EQ(h.sim.document().text, "about about ");
}

TEST(Expansion, TheWordTypedBeforeTheExpanderWentOffIsForgotten) {
    Harness h;
    Typist t{h};
    t.type("ab");
    t.key(vk::F9);
    t.pause(700'000);
    t.key(vk::F9);
    t.pause(700'000);
    t.type("t ");
    t.finish();
    EXPECT_EQ(h.sim.document().text, "abt ");
    EXPECT_EQ(h.app.engine.word.currentWord, "");
}

} // namespace
