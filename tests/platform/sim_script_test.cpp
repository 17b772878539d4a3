// The script commands of the simulated desktop's keyboard and terminal, with the program running.

#include "../ui/FixtureFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(SimScript, LayoutBurstAndTheTerminal) {
    FixtureFolder fixture("small");
    fixture.run("layout fr\n"
                "type Azerty: 1 @ € ?./!\n"
                "expect document Azerty: 1 @ € ?./!\n"
                "focus Terminal\n"
                "layout de\n"
                "burst 30 0 echo Y@z?\\n\n"
                "burst 20 40 sleep 5\n"
                "press CTRL C\n"
                "expect terminal echo Y@z?\\nsleep 5^C\\n\n"
                "expect focus Terminal\n");
}

TEST(SimScript, TypingErrorsNameTheProblem) {
    FixtureFolder fixture("small");
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"type caf\xC3\xA9\n", "line 1: no key of the us layout types \"\xC3\xA9\""},
        {"layout fr\ntype ~\n", "line 2: no key of the fr layout types \"~\""},
        {"layout dvorak\n", "line 1: layout us, fr or de"},
        {"burst 30 fast abc\n", "line 1: burst HOLD GAP TEXT"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunSimScript(c.script, fixture.folder.string(), out, err), 2) << c.script;
        EXPECT_EQ(err.str(), std::string("quibnote-sim: ") + c.error + "\n");
    }
}

} // namespace
