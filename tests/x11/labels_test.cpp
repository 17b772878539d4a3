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

} // namespace
