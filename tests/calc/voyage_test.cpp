#include "calc/Voyage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FormatDuration, WordsEveryRange) {
    const struct {
        double days;
        std::string_view expected;
    } cases[] = {
        {400, "1 year, 1.15 months"},
        {800, "2 years, 2.3 months"},
        {365.25, "1 year, 0.0 months"},
        {729.6, "2 years, 0.0 months"},
        {730.5, "2 years, 0.0 months"}, // 730.5 rounds to the even 730
        {3650000, "10,000 years, 0.0 months"},
        {365.2, "12.0 months"},
        {45, "1.48 months"},
        {30.4375, "1.0 months"},
        {30.4, "30.4 days"},
        {2.123456789, "2.1234568 days"},
        {1, "1.0 days"},
        {0.5, "12.0 hours"},
        {1.0 / 24, "1.0 hours"},
        {1.0 / 1440, "1.0 minutes"},
        {0.5 / 1440, "30.0 seconds"},
        {0, "0.0 seconds"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.days), c.expected) << c.days;
}

std::string Lines(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

// 0.239 million miles, half of it 0.1923 million km, covered in steps of 0.01 hours: under 1 g
// the midpoint needs 6,265 s, so the 175th step (1.75 h, 61,740 m/s) is the first past it.
TEST(VoyageParagraph, ToTheMoon) {
    const auto paragraph = VoyageParagraph("moon");
    ASSERT_TRUE(paragraph);
    EXPECT_EQ(Lines(*paragraph),
              "On this voyage to the Moon, 0.239 million miles away, "
              "your 1G drive spaceship will spend 1.75 hours accelerating to your maximum "
              "speed of 138,108.44 miles per hour (0.02059% of the speed of light), "
              "while, 1.75 hours pass on Earth. \n\n"
              "At this proximity to the speed of light, time dilation will cause 1.0 days to "
              "pass on Earth for each day that passes on your ship. \n\n"
              "You will then spend another 1.75 hours decelerating to come to rest at your "
              "destination. \n\n"
              "Your whole voyage will take you 3.5 hours to complete, while 3.5 hours pass on "
              "Earth. The return journey to Earth will take the same time, and as much time "
              "again will pass on Earth. \n\n"
              "When you return to Earth you will have time traveled 0.00018 seconds into the "
              "future.");
    EXPECT_EQ(VoyageParagraph("MOON"), paragraph);
    EXPECT_EQ(VoyageParagraph("0.239mm"),
              "On this voyage to a destination" + paragraph->substr(27));
}

TEST(VoyageParagraph, NamesTheUnitOfTheDistance) {
    const struct {
        std::string_view argument;
        std::string_view opening;
        std::string_view speed;
    } cases[] = {
        {"4.3", "On this voyage to a destination 4.3 light years away, ",
         " percent of the speed of light, while, "},
        {"500MK", "On this voyage to a destination 500 million kilometers away, ",
         " kilometers per hour ("},
        {"500XY", "On this voyage to a destination 500 light years away, ",
         " percent of the speed of light, while, "},
        {"sirius",
         "On this voyage to Sirius, the brightest star in Earth's sky, 8.6 light years "
         "away, ",
         " percent of the speed of light, while, "},
        {"9000000", "On this voyage to a destination 5,000,000 light years away, ", " percent"},
    };
    for (const auto& c : cases) {
        const auto paragraph = VoyageParagraph(c.argument);
        ASSERT_TRUE(paragraph) << c.argument;
        EXPECT_TRUE(paragraph->starts_with(c.opening)) << *paragraph;
        EXPECT_NE(paragraph->find(c.speed), std::string::npos) << *paragraph;
    }
}

TEST(VoyageParagraph, CoastsOnceTheDilationCapIsReached) {
    const auto capped = VoyageParagraph("CenterOfGalaxy#10");
    ASSERT_TRUE(capped);
    EXPECT_NE(capped->find("time dilation will cause 9.5"), std::string::npos) << *capped;
    EXPECT_NE(capped->find(" in weightlessness, during which "), std::string::npos);
    EXPECT_NE(capped->find(" will pass on Earth, before spending another "), std::string::npos);

    const auto uncapped = VoyageParagraph("4.3");
    ASSERT_TRUE(uncapped);
    EXPECT_EQ(uncapped->find("weightlessness"), std::string::npos);
    EXPECT_NE(uncapped->find("You will then spend another "), std::string::npos);
}

// Past a dilation of about a million a step no longer adds speed; the voyage must still end
// rather than step hour by hour across 2.4 million light years.
TEST(VoyageParagraph, EndsWhenTheSpeedCanNoLongerGrow) {
    const auto paragraph = VoyageParagraph("M31#1000000000000");
    ASSERT_TRUE(paragraph);
    EXPECT_EQ(paragraph->find("weightlessness"), std::string::npos);
}

TEST(VoyageParagraph, RefusesArgumentsThatAreNotDistances) {
    for (const std::string_view argument : {"", "X", "LY", "abcLY", "5#", "5#ten", "1.2.3LY"})
        EXPECT_FALSE(VoyageParagraph(argument)) << argument;
    // Too long for a double, the distance would show as no number at all.
    EXPECT_FALSE(VoyageParagraph("-" + std::string(400, '9')));
}

} // namespace
