#include "engine/LookAhead.h"
#include "platform/sim/SimDesktop.h"
#include "ui/App.h"
#include "ui/Display.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// An App with a display box and one letter group, the word "t..." being typed.
struct LookAheadRig {
    SimDesktop sim{"."};
    App app{sim};

    LookAheadRig(std::string group, std::string word, int useLevel) {
        Control box;
        box.name = "txtDisplay";
        box.kind = ControlKind::TextBox;
        app.frmKeyvane.controls.push_back(box);
        for (std::string& g : app.db.groups) g = "\r\nq\tq";
        app.db.groups['t' - 'a'] = std::move(group);
        app.options.lookAhead = true;
        app.options.useLevel = useLevel;
        app.engine.word.currentWord = std::move(word);
        app.engine.word.firstLetter = 't';
        app.engine.word.wordActive = true;
        ResetLookAhead(app);
    }
    // The display box after each idle pass, until the lists are done or `count` passes ran.
    std::vector<std::string> passes(int count = 12) {
        std::vector<std::string> shown;
        for (int n = 0; n < count && app.engine.lookAhead.index != LookAheadState::kSuppressed;
             ++n) {
            RunLookAhead(app);
            shown.push_back(DisplayText(app));
        }
        return shown;
    }
};

TEST(LookAhead, TheOneLetterLongerFormsComeSevenCandidateLettersAPass) {
    LookAheadRig rig("\r\nta\tta\xA1\xA1tea\r\ntea\ttea\r\ntz\ttz\xA1\xA1zed", "t", 9);
    EXPECT_EQ(rig.passes(6), (std::vector<std::string>{
                                 "",                   // the list starts on the next pass
                                 "ta\ttea\r\n...",     // a to g
                                 "ta\ttea\r\n...",     // h to n
                                 "ta\ttea\r\n...",     // o to u
                                 "ta\ttea\r\ntz\tzed", // v to z: done
                                 "ta\ttea\r\ntz\tzed", // a one-letter word has no second list
                             }));
}

TEST(LookAhead, LongerFormsFollowInASecondListSevenRecordsAPass) {
    LookAheadRig rig("\r\nth\tth\xA1\xA1the\r\ntha\ttha\xA1\xA1\xA1that\r\nthan\tthan"
                     "\r\nthank\tthank\r\nthaw\tthaw\r\nthe\tthe\r\ntheme\ttheme\r\nthen\tthen"
                     "\r\nthere\tthere\r\nthese\tthese\r\nto\tto\xA1\xA1too",
                     "th", 9);
    const std::vector<std::string> shown = rig.passes();
    ASSERT_GE(shown.size(), 6u);
    EXPECT_EQ(shown[4], "tha\tthat\r\nthe\tthe");
    // The second list starts on a new line with the word itself, passes over the forms one
    // letter longer, and stops at the first form that does not begin with the word.
    EXPECT_EQ(shown[5], "tha\tthat\r\nthe\tthe\r\n\r\nth\tthe\r\nthan\tthan\r\nthank\tthank"
                        "\r\nthaw\tthaw\r\ntheme\ttheme\r\n...");
    EXPECT_EQ(shown.back(), "tha\tthat\r\nthe\tthe\r\n\r\nth\tthe\r\nthan\tthan\r\nthank\tthank"
                            "\r\nthaw\tthaw\r\ntheme\ttheme\r\nthen\tthen\r\nthere\tthere"
                            "\r\nthese\tthese");
}

TEST(LookAhead, TheUseLevelChoosesWhatIsListedAndLowLevelsHideTheActivatedMark) {
    const std::string group = "\r\nta\tta\xA1\xA1tea\xB7\r\ntb\ttb\xA1\xA1\x62"
                              "ee\r\ntc\ttc\xA1\xA1sea\xB0";
    LookAheadRig low(group, "t", 1);
    EXPECT_EQ(low.passes().back(), "ta\ttea\r\ntc\tsea\xB0");
    LookAheadRig two(group, "t", 2);
    EXPECT_EQ(two.passes().back(), "ta\ttea\xB7\r\ntb\tbee\r\ntc\tsea\xB0");
}

TEST(LookAhead, LineBreaksShowAsIndentedLinesAndMarkersAsTheyAreShown) {
    LookAheadRig rig("\r\nty\tty\xA1\xA1Thank you`Best wishes`~{'sig}~", "t", 9);
    EXPECT_EQ(rig.passes().back(), "ty\tThank you\r\n\tBest wishes#sig");
}

} // namespace
