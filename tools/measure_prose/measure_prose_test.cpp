#include "plan.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace measure {
namespace {

const std::map<std::string, std::string> kForms = {
    {"about", "abt"}, {"don't", "dont"}, {"the", "th"}, {"Elizabeth", "elz"}};

std::string Typed(const Plan& plan) {
    std::string keys;
    for (const Stroke& s : plan.strokes) keys += s.c;
    return keys;
}

TEST(MakePlan, UsesAFormOnlyWhereTheExpanderTakesTheWordAndTypesItBack) {
    struct Case {
        const char* text;
        const char* keys;
        int byForm;
        int capitalised;
        int place;
    };
    const Case cases[] = {
        {"about the\n", "abt th\n", 2, 0, 0},
        // The expander types stored text unchanged: a capital cannot come from a form.
        {"About it\n", "About it\n", 0, 1, 0},
        {"\"Elizabeth,\" she\n", "\"elz,\" she\n", 1, 0, 0},
        // The apostrophe ends the name; the s after it starts no word.
        {"Elizabeth's\n", "elz's\n", 1, 0, 0},
        {"don't go\n", "dont go\n", 1, 0, 0},
        {"'about'\n", "'abt'\n", 1, 0, 0},
        // A closing parenthesis continues the word, a period before it keeps the word going,
        // and the letters after a word's apostrophe are no new word.
        {"(about)\n", "(about)\n", 0, 0, 1},
        {"e.about\n", "e.about\n", 0, 0, 1},
        {"it'about\n", "it'about\n", 0, 0, 1},
        {"about--the\n", "abt--th\n", 2, 0, 0},
    };
    for (const Case& c : cases) {
        const Plan plan = MakePlan(c.text, kForms);
        EXPECT_EQ(Typed(plan), c.keys) << c.text;
        EXPECT_EQ(plan.byShortForm, c.byForm) << c.text;
        EXPECT_EQ(plan.capitalisedInFull, c.capitalised) << c.text;
        EXPECT_EQ(plan.placeInFull, c.place) << c.text;
    }
}

TEST(MakePlan, EachWordIsCheckedAtTheKeyThatEndsIt) {
    const Plan plan = MakePlan("don't about\n", kForms);
    ASSERT_EQ(plan.words.size(), 2u);
    EXPECT_EQ(plan.words[0].end, 5u);
    EXPECT_EQ(plan.strokes[4].endsWord, 0); // the space after dont
    EXPECT_EQ(plan.strokes.back().endsWord, 1);
}

TEST(Paragraphs, JoinsWrappedLinesAndEndsEachParagraphWithOneEnter) {
    const std::string book = "  Chapter 1\r\n\r\n\r\nIt is a truth\r\nuniversally known.\r\n\r\n"
                             "Next one.\n\nLast.";
    EXPECT_EQ(Paragraphs(book, 0),
              "Chapter 1\nIt is a truth universally known.\nNext one.\nLast.\n");
    // The sample ends with the paragraph that holds the last word asked for.
    EXPECT_EQ(Paragraphs(book, 3), "Chapter 1\nIt is a truth universally known.\n");
}

} // namespace
} // namespace measure
