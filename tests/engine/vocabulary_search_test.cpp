#include "engine/AccentForms.h"
#include "engine/VocabularySearch.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Groups written with "!" for the erase mark and "*" for the Activated mark.
std::string G(std::string text) {
    for (char& c : text) {
        if (c == '!') c = '\xA1';
        if (c == '*') c = '\xB7';
    }
    return text;
}

std::optional<std::string> Phrase(const std::string& group, const char* prev, const char* cur,
                                  bool apostrophe) {
    const auto m = FindPhrase(group, prev, cur, apostrophe);
    if (!m) return std::nullopt;
    EXPECT_EQ(group.compare(m->at, m->text.size(), m->text), 0);
    return m->text;
}

TEST(FindPhrase, MatchesOnlyWhereAStoredExpansionsTextStarts) {
    struct Case {
        const char* group;
        const char* prev;
        const char* cur;
        bool apostrophe;
        std::optional<std::string> found;
    } cases[] = {
        {"\r\naw\taw!!as well", "as", "well", false, "as well"},
        // Inside an expansion the phrase is only a piece of a longer text.
        {"\r\nsw\tsw!!such as well", "as", "well", false, std::nullopt},
        // A piece is passed over and a later record that starts with the phrase is found.
        {"\r\nasw\tasw!!!such as well\r\naw\taw!!as well", "as", "well", false, "as well"},
        {"\r\nwk\twk!!well-known", "well", "known", false, "well-known"},
        {"\r\nabc\tas well", "as", "well", false, "as well"},
        {"\r\ndnt\tdnt!!!don't", "don", "t", true, "don't"},
        {"\r\ndont\tdont!'t", "don", "t", true, G("dont!'t")},
        // The apostrophe forms are looked for only after an apostrophe, the others only without.
        {"\r\ndnt\tdnt!!!don't", "don", "t", false, std::nullopt},
        {"\r\naw\taw!!as well", "as", "well", true, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> want = c.found ? std::optional(G(*c.found)) : std::nullopt;
        EXPECT_EQ(Phrase(G(c.group), c.prev, c.cur, c.apostrophe), want) << c.group;
    }
}

TEST(FindWholeExpansion, TheTextMustBeTheWholeRestOfTheExpansion) {
    struct Case {
        const char* group;
        const char* text;
        std::optional<const char*> storedText;
    } cases[] = {
        {"\r\nabt\tabt!!!about\r\nac\tac!!across", "about", "about"},
        {"\r\nenv\tenvelope\r\nex\tex!!examples", "envelope", "envelope"},
        {"\r\nbc\tbc!!because*\r\nby\tby", "because", "because*"},
        // The last record of a group ends at the group's end.
        {"\r\nwd\twd!!would", "would", "would"},
        {"\r\nabt\tabt!!!abouts", "about", std::nullopt},
        {"\r\nabt\tabt!!!about", "abo", std::nullopt},
        // A short form typed in full is its own record's beginning, not its expansion.
        {"\r\ncmpy\tcmpy!!!!company", "cmpy", std::nullopt},
        {"\r\ncfe\tcfe!!!cafe!\xE9", "cafe!\xE9", "cafe!\xE9"},
        // A match that fails the end test does not hide a later one.
        {"\r\nab\tab!!about town\r\nabt\tabt!!!about", "about", "about"},
    };
    for (const Case& c : cases) {
        const std::string group = G(c.group);
        const auto at = FindWholeExpansion(group, G(c.text));
        ASSERT_EQ(at.has_value(), c.storedText.has_value()) << c.group;
        if (at) {
            EXPECT_EQ(StoredTextFrom(group, *at), G(*c.storedText)) << c.group;
        }
    }
}

TEST(FindWholeExpansion, TheRecordsShortFormIsFoundBehindTheMatch) {
    const std::string group = G("\r\nab\tab!!about town\r\nabt\tabt!!!about");
    const auto at = FindWholeExpansion(group, "about");
    ASSERT_TRUE(at);
    EXPECT_EQ(ShortFormAround(group, *at), "abt");
    EXPECT_EQ(ShortFormAround(group, 6), "ab");
}

TEST(AccentForms, TheTableInOrderAndItsFirstMatchWins) {
    const auto rows = AccentRows();
    ASSERT_EQ(rows.size(), 36u);
    EXPECT_EQ(rows.front().typed, "cafe");
    EXPECT_EQ(rows.front().stored, G("cafe!\xE9"));
    EXPECT_EQ(rows[4].stored, G("decol!!!!\xE9"
                                "collet\xE9"));
    EXPECT_EQ(rows[29].typed, "fiance");
    EXPECT_EQ(rows.back().typed, "email");
    EXPECT_EQ(SearchedForm("email"), G("em!-mail"));
    EXPECT_EQ(SearchedForm("fiancee"), "fianc\xE9"
                                       "e");
    EXPECT_EQ(SearchedForm("mobius"), "M\xF6"
                                      "bius strip");
    // A word not in the table is searched as typed.
    EXPECT_EQ(SearchedForm("cafes"), "cafes");
}

} // namespace
