#include "StoreTestData.h"
#include "store/DatePicture.h"
#include "store/Markers.h"

#include <gtest/gtest.h>

namespace {

// Friday 4 December 2026, 09:05:07.
const LocalTime Now{2026, 12, 4, 9, 5, 7, 5};

} // namespace

TEST(ApplyErasures, EachMarkTakesBackTheCharacterBeforeIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"cafe" + Erases(1) + "\xE9", "caf\xE9"},
        {"bc" + Erases(2) + "because", "because"},
        {"a" + Erases(2) + "b", "b"}, // the second mark has nothing left to erase
        {Erases(1) + "abc", "abc"},   // a leading mark is dropped
        {"plain text", "plain text"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ApplyErasures(in), out) << in;
}

TEST(FormatDatePicture, Pictures) {
    const std::pair<std::string, std::string> cases[] = {
        {"dd/mm/yyyy", "04/12/2026"},
        {"d/m/yy", "4/12/26"},
        {"dddd, d mmmm yyyy", "Friday, 4 December 2026"},
        {"ddd mmm", "Fri Dec"},
        {"hh:nn:ss", "09:05:07"},
        {"h:n:s", "9:5:7"},
        {"ddddd", "Friday4"},
        {"", "04/12/2026 09:05:07"},
        {"D-Y", "D-Y"},
    };
    for (const auto& [picture, out] : cases)
        EXPECT_EQ(FormatDatePicture(picture, Now), out) << picture;
}

TEST(FormatDatePicture, TwelveHourClock) {
    LocalTime t = Now;
    t.hour = 15;
    EXPECT_EQ(FormatDatePicture("h:nn AM/PM", t), "3:05 PM");
    EXPECT_EQ(FormatDatePicture("hh am/pm", t), "03 pm");
    t.hour = 0;
    EXPECT_EQ(FormatDatePicture("h AM/PM", t), "12 AM");
    EXPECT_EQ(FormatDatePicture("h", t), "0");
}

TEST(RenderMarker, ContentByMode) {
    struct Case {
        std::string content;
        MarkerMode mode;
        std::string out;
    };
    const Case cases[] = {
        {"dt:yyyy", MarkerMode::Typing, "2026"},
        {"dt:yyyy", MarkerMode::Display, "2026"},
        {"{'signature}", MarkerMode::Display, "#signature"},
        {"{'signature}", MarkerMode::Typing, "{'signature}"},
        {"{'open", MarkerMode::Display, "#open"}, // no closing brace: the rest is the comment
        {"{^c}{B1}", MarkerMode::Display, "#"},
        {"{^c}{B1}", MarkerMode::Typing, "{^c}{B1}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RenderMarker(c.content, c.mode, Now), c.out)
            << c.content << " mode " << static_cast<int>(c.mode);
}

TEST(RenderForTyping, LineBreaksTabsMarkersAndErasures) {
    const std::pair<std::string, std::string> cases[] = {
        {"Dear Sir`Regards", "Dear Sir\rRegards"},
        {"a``b", "a\r\rb"},
        {"name///age", "name\tage"},
        {"Date: `~dt:dd/mm/yyyy~.", "Date: 04/12/2026."},
        {"x`~{^v}~y", "x{^v}y"},
        {"x`~{^v}", "x{^v}"},           // no closing tilde: runs to the end
        {"`~{^a}`{^c}~", "{^a}\r{^c}"}, // a back-quote inside a script still breaks
        {"`~{'note}~Hi", "{'note}Hi"},  // comments go on to the key-script output
        {"bc" + Erases(2) + "because", "bc" + Erases(2) + "because"}, // typed as Backspaces
        {"no markers here", "no markers here"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(RenderForTyping(in, Now), out) << in;
}

TEST(RenderForDisplay, IndentedLinesCommentsScriptsAndErasures) {
    const std::pair<std::string, std::string> cases[] = {
        {"Dear`Sir", "Dear\r\n\tSir"},
        {"ty" + Erases(2) + "`~{'signature}~", "#signature"},
        {"`~{^v}~done", "#done"},
        {"`~{'note", "#note"}, // unclosed marker and comment
        {"cafe" + Erases(1) + "\xE9", "caf\xE9"},
        {"a///b", "a///b"},
        {Erases(1) + "abc", "abc"},
        {"no markers here", "no markers here"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(RenderForDisplay(in, Now), out) << in;
}

TEST(ReplaceWithMarkers, BackQuoteForItselfRendersOnlyTheMarkers) {
    EXPECT_EQ(ReplaceWithMarkers("a`b`~{'c}~`~dt:yy~", "`", "`", MarkerMode::Display, Now),
              "a`b#c26");
}

TEST(ReplaceWithMarkers, PlainReplacementsAreNotRescanned) {
    EXPECT_EQ(ReplaceWithMarkers("aa", "a", "aa", MarkerMode::Typing, Now), "aaaa");
    EXPECT_EQ(ReplaceWithMarkers("ab" + Act, Act, "", MarkerMode::Typing, Now), "ab");
    EXPECT_EQ(ReplaceWithMarkers("abc", "", "x", MarkerMode::Typing, Now), "abc");
}
