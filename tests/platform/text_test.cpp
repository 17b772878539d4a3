#include "platform/text.h"

#include <gtest/gtest.h>

TEST(Text, Cp1252RoundTripsThroughUtf8AndUtf16) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
    EXPECT_EQ(Cp1252FromUtf16(Utf16FromCp1252(all)), all);
}

TEST(Text, MarksAndEuroMapToTheirUnicodeCharacters) {
    EXPECT_EQ(Utf8FromCp1252("caf\xE9 \xA1\xB7\xB0 \x80"), "café ¡·° €");
    EXPECT_EQ(Cp1252FromUtf8("naïve €"), "na\xEFve \x80");
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252FromUtf8("a\xE4\xB8\x80z"), "a?z"); // CJK
    EXPECT_EQ(Cp1252FromUtf8("a\xFF"
                             "b"),
              "a?b");                         // malformed byte
    EXPECT_EQ(Cp1252FromUtf8("a\xC3"), "a?"); // truncated sequence
}
