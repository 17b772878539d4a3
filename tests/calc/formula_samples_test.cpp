#include "calc/Evaluate.h"
#include "calc/FormulaSamples.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Every sample must be a formula the calculator takes, and its caption must show the keyword the
// user will find typed.
TEST(FormulaSamples, EverySampleCalculatesAndMatchesItsCaption) {
    int headings = 0;
    for (const auto& entry : FormulaSamples()) {
        if (entry.heading) {
            ++headings;
            EXPECT_TRUE(entry.sample.empty()) << entry.menuName;
            EXPECT_EQ(entry.submenu, FormulaSubmenu::ConstantsAndConversions);
            continue;
        }
        std::string decimals = "2";
        bool changed = false;
        EXPECT_NE(EvaluateClipText(entry.sample, decimals, changed).kind,
                  CalcOutcome::Kind::Failure)
            << entry.sample;
        if (entry.sample.front() != '<') continue;
        const std::string_view keyword =
            entry.sample.substr(0, entry.sample.find_first_of(" >") + 1);
        EXPECT_NE(entry.caption.find(keyword), std::string_view::npos) << entry.caption;
    }
    EXPECT_EQ(headings, 2);
}

TEST(FormulaSamples, SubmenusHoldTheirEntriesInOrder) {
    const auto samples = FormulaSamples();
    ASSERT_EQ(samples.size(), 36u);
    EXPECT_EQ(samples.front().menuName, "mnuHeadingConst");
    EXPECT_EQ(samples[3].menuName, "mnuHeadingConv");
    EXPECT_EQ(samples[20].menuName, "mnuPSTLY");
    EXPECT_EQ(samples[21].menuName, "mnuSine");
    EXPECT_EQ(samples[21].submenu, FormulaSubmenu::Formulas);
    EXPECT_EQ(samples.back().sample, "[]{L1}");
    EXPECT_EQ(samples.back().submenu, FormulaSubmenu::Formulas);
    EXPECT_EQ(samples[20].submenu, FormulaSubmenu::ConstantsAndConversions);

    const auto menus = FormulaMenus();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].caption, "Paste Constants && Conversion factors:");
    EXPECT_EQ(menus[1].menuName, "mnuPasteFormulas");
}

} // namespace
