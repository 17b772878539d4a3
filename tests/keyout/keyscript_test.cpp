#include "keyout/KeyScript.h"
#include "platform/keys.h"
#include "platform/sim/KeyboardLayout.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTerminal.h"

#include <gtest/gtest.h>

namespace {

struct Typed {
    std::string text;
    std::size_t caret;
};

struct KeyScriptTest : testing::Test {
    SimDesktop sim{"."};
    KeyOutState k;

    Typed type(std::string_view script) {
        TypeKeyScript(sim, k, script);
        return {sim.document().text, sim.document().caret};
    }

    void expectNoModifierDown() {
        for (std::uint8_t key : {vk::Shift, vk::LShift, vk::RShift, vk::Control, vk::LControl,
                                 vk::RControl, vk::Menu, vk::LMenu, vk::RMenu})
            EXPECT_FALSE(sim.isDown(key)) << "key " << int(key) << " left down";
    }
};

TEST_F(KeyScriptTest, TypesTextAndTokensIntoTheDocument) {
    struct Case {
        const char* script;
        const char* text;
        std::size_t caret;
    };
    const Case cases[] = {
        {"abc", "abc", 3},
        {"Hello, World! (1+2)=3 {zq}", "Hello, World! (1+2)=3 ", 22}, // a token naming nothing
        {"[]{L1}", "[]", 1},
        {"abcdef{B3}", "abc", 3},
        {"ab{L2}{+E}{^x}", "", 0},
        {"x{'comment}y", "xy", 2},
        {"x{'no end", "x", 1},
        {"ends with {B1", "ends with {B1", 13},
        {"{abc}", "{abc}", 5},
        {"{1b}{1B}", "", 0},
        {"one\r\ntwo", "one\ntwo", 7},
        {"a{ B}b", "b", 1},
        {"ab{HL}", "ab", 0}, // a letter count: L is 21 times Home
        {"tab{T1}{N2}", "tab\t\n\n", 6},
    };
    for (const Case& c : cases) {
        sim.document() = {};
        const Typed t = type(c.script);
        EXPECT_EQ(t.text, c.text) << c.script;
        EXPECT_EQ(t.caret, c.caret) << c.script;
        expectNoModifierDown();
    }
}

TEST_F(KeyScriptTest, CapitalsGoWithoutShiftWhileTheCapsLockFlagIsSet) {
    // The Document's own Caps Lock is off, so a capital typed without Shift shows in lower case.
    k.capsLock = true;
    EXPECT_EQ(type("ABC @ x").text, "abc @ x");
    k.capsLock = false;
    sim.document() = {};
    EXPECT_EQ(type("ABC @ x").text, "ABC @ x");
}

TEST_F(KeyScriptTest, LiteralModeTypesBracesAsCharacters) {
    k.literalMode = true;
    EXPECT_EQ(type("{B1}{'x}").text, "{B1}{'x}");
}

TEST_F(KeyScriptTest, KeyTokenCorrectionCountsTokenCharactersThatWereNoKeystroke) {
    struct Case {
        const char* script;
        int correction;
    };
    const Case cases[] = {{"{B0}", 4},     {"{B5}", -1},    {"{Bf}", -11}, {"{^c}", 2},
                          {"{+L}{^v}", 4}, {"{X5}{Ml}", 0}, {"{1B}", 0},   {"{'note}", 0}};
    for (const Case& c : cases) {
        k.keyTokenCorrection = 0;
        type(c.script);
        EXPECT_EQ(k.keyTokenCorrection, c.correction) << c.script;
    }
}

TEST_F(KeyScriptTest, CharactersWithoutAPlainKeyGoAsThemselvesAndLeaveTheClipboardAlone) {
    sim.clipboard() = "kept";
    EXPECT_EQ(type("caf\xE9 \xA1"
                   "ole")
                  .text,
              "caf\xE9 \xA1"
              "ole");
    EXPECT_EQ(sim.clipboard(), "kept");
    expectNoModifierDown();

    // On the French layout '@' and '#' need AltGr: a press with Shift alone would type another.
    sim.setLayout(FrLayout());
    sim.clipboard().reset();
    sim.document() = {};
    EXPECT_EQ(type("a@b#\xB0").text, "a@b#\xB0");
    EXPECT_FALSE(sim.clipboard().has_value());
    expectNoModifierDown();
}

TEST_F(KeyScriptTest, AnAccentedCharacterInTheTerminalSendsNoCtrlC) {
    sim.setForegroundWindow(SimDesktop::kTerminal);
    TypeKeyScript(sim, k, "caf\xE9 ");
    const std::string text = TerminalText(sim.terminal());
    EXPECT_NE(text.find("caf\xE9 "), std::string::npos) << text;
    EXPECT_EQ(text.find("^C"), std::string::npos) << text;
}

// Into a known terminal a script goes whole when it is text, Backspaces and caret moves, and not
// at all (a beep instead) when any key of it would be a command there; other windows take all.
TEST_F(KeyScriptTest, ATerminalGetsNoScriptThatSendsACommandKey) {
    const struct {
        const char* script;
        bool literal;
        bool commands;
    } cases[] = {
        {"caf\xE9\b\b{B2}{L1}{R1}{H1}{E1}{C1}{w1}{'note}\n", false, false},
        {"line\r", false, true},
        {"a\tb", false, true},
        {"\x1B", false, true},
        {"{^c}", false, true},
        {"{N1}", false, true},
        {"{T1}", false, true},
        {"{1B}", false, true},
        {"{U1}", false, true},
        {"{Ml}", false, true},
        {"{^c}", true, false}, // literal: braces are characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendsCommandKeys(c.script, c.literal), c.commands) << c.script;

    sim.setForegroundWindow(SimDesktop::kTerminal);
    k.terminalWindow = SimDesktop::kTerminal;
    TypeKeyScript(sim, k, "ls{^c}");
    TypeKeyScript(sim, k, "pwd\r");
    TypeKeyScript(sim, k, "ab\bc");
    EXPECT_EQ(TerminalText(sim.terminal()), "ac");
    EXPECT_EQ(sim.takeMessages(), std::vector<std::string>({"(beep)", "(beep)"}));
    sim.setForegroundWindow(SimDesktop::kDocument);
    EXPECT_EQ(type("x\ry").text, "x\ny");
}

TEST_F(KeyScriptTest, AHeldModifierActsUntilLetGoOrTheScriptEnds) {
    // Ctrl held over "a" selects everything, so the "x" replaces it.
    sim.document().text = "old";
    EXPECT_EQ(type("{^+}a{^-}x").text, "x");
    for (const char* script :
         {"{^+}", "{%+}", "{++}", "{@+}", "{#+}", "{^+}{%+}{++}", "{!s}{?d}"}) {
        type(script);
        expectNoModifierDown();
        for (std::uint8_t key : {vk::LWin, vk::Apps, vk::Capital})
            EXPECT_FALSE(sim.isDown(key)) << script;
    }
}

TEST_F(KeyScriptTest, AHeldCapsLockIsLetGoWithinTheTokenAndRecorded) {
    EXPECT_EQ(type("{*+}AB").text, "AB"); // Caps Lock is on: capitals go without Shift
    EXPECT_FALSE(sim.isDown(vk::Capital));
    EXPECT_TRUE(k.capsLock);
}

TEST_F(KeyScriptTest, MouseTokensMoveThePointerAndClick) {
    sim.setCursorPos({100, 100});
    type("{x0}");
    EXPECT_EQ(sim.cursorPos().x, 101);
    type("{X0}{Y5}");
    EXPECT_EQ(sim.cursorPos().x, 0);
    EXPECT_EQ(sim.cursorPos().y, 400);
    type("{x5}{y1}");
    EXPECT_EQ(sim.cursorPos().x, 64);
    EXPECT_EQ(sim.cursorPos().y, 408);
    type("{Xa}{Mz}");
    EXPECT_EQ(sim.cursorPos().x, 64);
}

TEST_F(KeyScriptTest, CtrlTokensWaitOneTickOthersTwo) {
    const auto elapsed = [&](std::string_view script) {
        const std::int64_t start = sim.nowMicros();
        type(script);
        return sim.nowMicros() - start;
    };
    const std::int64_t tick = 15'625;
    const std::int64_t ctrl = elapsed("{^c}");
    const std::int64_t shift = elapsed("{+L}");
    EXPECT_LE(ctrl, tick + 200);
    EXPECT_GT(shift, tick);
    EXPECT_LE(shift, 2 * tick + 200);
    EXPECT_GE(elapsed("{W2}"), 1'000'000);
}

} // namespace
