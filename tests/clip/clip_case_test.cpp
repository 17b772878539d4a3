#include "clip/ClipCase.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipCase, AClipInCapitalsGoesToSentenceCaseAnyOtherToCapitals) {
    const struct {
        const char* clip;
        const char* changed;
    } cases[] = {
        {"hello world", "HELLO WORLD"},
        {"HELLO WORLD. and i am here", "Hello world. And I am here"},
        {"HEllo there", "HELLO THERE"}, // two capitals in the first five
        {"ABC def", "Abc def"},         // three
        {"{{Xy", "{{xy"},               // braces count with the capitals
        {"AB", "AB"},                   // too short for three
        {"", ""},
        {"caf\xE9 \xFF", "CAF\xC9 \x9F"}, // Windows-1252 letters
    };
    for (const auto& c : cases) EXPECT_EQ(ChangeClipCase(c.clip), c.changed) << c.clip;
}

TEST(ClipCase, SentenceCaseCapitalizesSentencesAndALoneI) {
    const struct {
        const char* text;
        const char* sentence;
    } cases[] = {
        {"WHAT? NO! YES. ok", "What? No! Yes. Ok"},
        {"SO I SAID \"I, TOO\" (I THINK)", "So I said \"I, too\" (I think)"},
        {"it is IT", "It is it"},           // no lone i
        {"ALL. 123 done", "All. 123 Done"}, // digits leave the next letter waiting
        {"AND i", "And i"},                 // too near the end to tell it is alone
        {"\xC9T\xC9 ICI. \xE9t\xE9", "\xC9t\xE9 ici. \xC9t\xE9"},
    };
    for (const auto& c : cases) EXPECT_EQ(SentenceCase(c.text), c.sentence) << c.text;
}

TEST(ClipCase, CapitalsCoverWindows1252Letters) {
    EXPECT_EQ(UpperCase("abc \xE0\xF6\xF7\xFE\x9A\x9C\x9E\xFF\xDF"),
              "ABC \xC0\xD6\xF7\xDE\x8A\x8C\x8E\x9F\xDF");
}

} // namespace
