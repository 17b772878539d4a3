#include "UiTest.h"
#include "ui/Statistics.h"

#include <gtest/gtest.h>

namespace {

std::string Figures(std::int32_t typed, std::int32_t saved, float seconds,
                    std::int32_t expansions = 0) {
    SessionStats s;
    s.charsTyped = typed;
    s.keystrokesSaved = saved;
    s.typingSeconds = seconds;
    s.expansions = expansions;
    return StatisticsText(s, 0);
}

std::string Text(const char* speed, const char* withQuibnote, const char* produced,
                 const char* typed, const char* saved, const char* effort, const char* expansions) {
    return std::string(" this session:\r\n\r\nTyping speed:") + speed +
           "\r\nTyping speed with Quibnote:" + withQuibnote +
           "\r\nCharacters produced:" + produced + "\r\nCharacters typed in:" + typed +
           "\r\nKeystrokes saved:" + saved + "\r\nEffort saved:" + effort +
           "\r\nExpansions:" + expansions;
}

TEST(Statistics, FiguresRoundHalvesUpAndSayUnknownWhenTheyCannotBeKnown) {
    const struct {
        const char* name;
        std::string got;
        std::string expected;
    } cases[] = {
        {"a fresh session", Figures(0, 0, 0),
         Text(" Unknown", " Unknown", " 0", " 0", " 0", " Unknown", " 0")},
        {"one character: no speed, but an effort", Figures(1, 3, 0.5f),
         Text(" Unknown", " Unknown", " 4", " 1", " 3", " 75%", " 0")},
        {"a minute of typing", Figures(100, 50, 60, 7),
         Text(" 20 wpm", " 30 wpm", " 150", " 100", " 50", " 33%", " 7")},
        {"halves round up", Figures(5, 3, 24), // 2.5 and 4.0 wpm, 37.5 %
         Text(" 3 wpm", " 4 wpm", " 8", " 5", " 3", " 38%", " 0")},
        {"no typing time", Figures(10, 0, 0),
         Text(" Unknown", " Unknown", " 10", " 10", " 0", " 0%", " 0")},
        // Key tokens that typed nothing can leave the saving below zero; the minus sign takes the
        // place of the space, and a sum of nothing is no effort to divide by.
        {"a negative saving", Figures(2, -2, 1),
         Text(" 24 wpm", " 0 wpm", " 0", " 2", "-2", " Unknown", " 0")},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

TEST(Statistics, OnlyModeOneListsTheShortFormsActivated) {
    SessionStats s;
    s.activatedList = "abt\r\nbc";
    EXPECT_EQ(StatisticsText(s, 1),
              StatisticsText(s, 0) + "\r\n\r\nShort forms activated:\r\nabt\r\nbc");
    s.activatedList.clear();
    EXPECT_EQ(StatisticsText(s, 1), StatisticsText(s, 0));
}

TEST(Statistics, TheWindowCountsTheVocabularyAndTheWindowHeight) {
    Harness h;
    h.chooseMenuAt(kSecond / 10, "mnuPosition");
    h.runFor(kSecond / 5);
    const std::vector<std::string> messages = h.sim.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    int records = 0;
    const std::string db = h.file();
    for (std::size_t i = db.find('\n'); i < db.size(); ++i) records += db[i] == '\r';
    EXPECT_EQ(messages[0],
              "So far" + StatisticsText(h.app.stats, 0) +
                  "\r\n\r\nTotal number of short forms in Quibnote: " + std::to_string(records) +
                  "\r\nNumber of Activated short forms: 1\r\nNumber of Added short "
                  "forms: 1\r\nSize of personal vocabulary: 2\r\n\r\nHeight of "
                  "Quibnote window in twips: 7950");
}

TEST(Statistics, AtCloseTheAnswerNoTurnsThemOffAndCancelDoesNotStopTheExit) {
    const struct {
        const char* answer;
        const char* field16;
    } cases[] = {{"Yes", "1"}, {"No", "0"}, {"Cancel", "1"}};
    for (const auto& c : cases) {
        Harness h;
        UseSettings(h, WithField(DefaultSettings, 16, "1"));
        h.sim.queueAnswer(c.answer);
        h.sim.queueAnswer("Yes");
        h.closeMainWindowAt(kSecond / 10);
        h.runToEnd();
        EXPECT_FALSE(h.app.frmKeyvane.open) << c.answer;
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0],
                  "In" + StatisticsText(h.app.stats, 1) + "\r\rShow this display in future?");
        EXPECT_EQ(FieldOf(SettingsOnFile(h), 16), c.field16) << c.answer;
    }
}

} // namespace
