#include "platform/x11/Labels.h"

#include <gtest/gtest.h>

namespace {

TEST(Labels, AcceleratorsStayForTheToolkitAndLeavePlainLabels) {
    EXPECT_EQ(ToolkitLabel("&File"), "&File");
    EXPECT_EQ(ToolkitLabel("Calculate && Paste &Result"), "Calculate && Paste &Result");
    EXPECT_EQ(PlainLabel("&File"), "File");
    EXPECT_EQ(PlainLabel("Calculate && Paste &Result"), "Calculate & Paste Result");
    EXPECT_EQ(PlainLabel("trailing &"), "trailing &");
}

TEST(Labels, AtSignsAreNeverTakenForSymbols) {
    EXPECT_EQ(ToolkitLabel("mail@example.org"), "mail@@example.org");
    EXPECT_EQ(PlainLabel("@home"), "@@home");
    EXPECT_EQ(ToolkitText("a@b\r\nc"), "a@@b\nc");
    EXPECT_EQ(EditText("a@b"), "a@b");
}

TEST(Labels, TextCrossesBetweenWindows1252WithCrLfAndUtf8WithLf) {
    EXPECT_EQ(EditText("caf\xE9\r\nna\xEFve\r\n"), "caf\xC3\xA9\nna\xC3\xAFve\n");
    EXPECT_EQ(ProgramText("caf\xC3\xA9\nx"), "caf\xE9\r\nx");
    EXPECT_EQ(ProgramText(EditText("one\r\ntwo\xA1")), "one\r\ntwo\xA1");
    // A lone CR is not a line break and stays.
    EXPECT_EQ(EditText("a\rb"), "a\rb");
    EXPECT_EQ(ProgramText("\xE2\x82\xAC"), "\x80");
}

TEST(Labels, WindowsFiltersBecomeToolkitPatterns) {
    EXPECT_EQ(ToolkitPattern("*.clt"), "*.clt");
    EXPECT_EQ(ToolkitPattern("Custom lists (*.clt)|*.clt|All files (*.*)|*.*"),
              "Custom lists (*.clt)\tAll files (*.*)");
    EXPECT_EQ(ToolkitPattern("Databases|*.dta;*.txt"), "Databases ({*.dta,*.txt})");
    EXPECT_EQ(ToolkitPattern(""), "");
}

// Messages built for Windows break lines with CR LF, or a lone CR or LF; none may show as a
// control character, and no line may run off the screen.
TEST(Labels, MessageTextsBreakAtEveryLineBreakAndWrapToTheWidth) {
    const auto bytes = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const struct {
        std::string text;
        int width;
        std::string shown;
    } cases[] = {
        {"a\rb\nc\r\nd", 100, "a\nb\nc\nd"},
        {"one two three", 70, "one two\nthree"},
        {"one two  three", 70, "one two\nthree"},
        {"abcdefghij", 40, "abcd\nefgh\nij"},
        {"\xE9\xE9\xE9", 10, "\xC3\xA9\n\xC3\xA9\n\xC3\xA9"}, // one character a row at least
        {"mail@home", 100, "mail@@home"},
        {"", 100, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageText(c.text, c.width, bytes), c.shown) << c.text;
}

} // namespace
