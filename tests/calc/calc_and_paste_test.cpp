#include "../engine/Harness.h"

#include <gtest/gtest.h>

namespace {

std::string Field(const std::string& file, int n) {
    std::string line = file.substr(0, file.find('\r'));
    for (int i = 1; i < n; ++i) line = line.substr(line.find(' ') + 1);
    return line.substr(0, line.find(' '));
}

TEST(CalcAndPaste, ADecimalPlacesFormulaIsSavedWithTheSettings) {
    for (const char* answer : {"Yes", "No"}) {
        Harness h;
        h.sim.setClipboardText("<dp 3>2.12345");
        h.chooseMenuAt(100'000, "mnuCalcPaste");
        h.sim.queueAnswer(answer);
        h.closeMainWindowAt(2'000'000);
        h.runToEnd();
        EXPECT_EQ(h.sim.document().text, "2.123");
        // Both change flags are set, so the database is written either way; the rebuilt
        // settings line, with the new field, only when the user keeps the settings.
        EXPECT_EQ(Field(h.file(), 22), std::string(answer) == "Yes" ? "3" : "");
    }
}

} // namespace
