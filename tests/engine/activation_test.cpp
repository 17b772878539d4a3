#include "Typing.h"
#include "engine/Activation.h"
#include "ui/Display.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Session {
    Harness h;
    Typist t{h};

    Session(int useLevel, bool lookAhead = true, bool activate = true) {
        h.writeFile(WithOptions(h.file(), [&](Options& o) {
            o.useLevel = useLevel;
            o.lookAhead = lookAhead;
            o.activateUsedWords = activate;
        }));
    }
    // A record as it stands now, mark included.
    std::string record(const char* shortForm) const {
        return std::string(RecordText(h.app.db, FindRecord(h.app.db, shortForm).value()));
    }
    std::string run(const std::string& text) {
        t.type(text);
        t.finish();
        return h.sim.document().text;
    }
};

TEST(Activation, AnExpandedUnmarkedShortFormIsMarkedAndListedSilently) {
    Session s(9, false);
    EXPECT_EQ(s.run("abt bc "), "about because ");
    EXPECT_EQ(s.record("abt"), "abt\tabt\xA1\xA1\xA1"
                               "about\xB7");
    // bc was marked already: it is neither marked again nor listed.
    EXPECT_EQ(s.record("bc"), "bc\tbc\xA1\xA1"
                              "because\xB7");
    EXPECT_EQ(s.h.app.stats.activatedList, "abt\tabout\r\n");
    EXPECT_TRUE(s.h.app.db.databaseChanged);
    EXPECT_EQ(DisplayText(s.h.app).find("Short form"), std::string::npos);
}

TEST(Activation, NothingIsActivatedWhenTheOptionIsOffOrTheExpansionKeptBack) {
    for (const char* typed : {"abt ", "abt`"}) {
        Session s(9, false, std::string(typed) == "abt`");
        s.run(typed);
        EXPECT_EQ(s.record("abt"), "abt\tabt\xA1\xA1\xA1"
                                   "about")
            << typed;
        EXPECT_EQ(s.h.app.stats.activatedList, "") << typed;
    }
}

TEST(Activation, TheSessionListKeepsTheNewest15Lines) {
    SimDesktop sim("");
    App app{sim};
    for (int i = 1; i <= 14; ++i) AddActivatedLine(app, "s" + std::to_string(i) + "\tx");
    EXPECT_TRUE(app.stats.activatedList.ends_with("s1\tx\r\n"));
    // The 15th loses only the final line break; the 16th the oldest line.
    AddActivatedLine(app, "s15\tx");
    EXPECT_TRUE(app.stats.activatedList.ends_with("s2\tx\r\ns1\tx"));
    AddActivatedLine(app, "s16\tx");
    EXPECT_TRUE(app.stats.activatedList.starts_with("s16\tx\r\ns15\tx\r\n"));
    EXPECT_TRUE(app.stats.activatedList.ends_with("s3\tx\r\ns2\tx"));
    EXPECT_EQ(std::count(app.stats.activatedList.begin(), app.stats.activatedList.end(), '\n'), 14);
}

TEST(MissedShortForm, AWordTypedInFullIsPointedOutOrActivated) {
    const struct {
        int level;
        const char* typed;
        const char* message; // empty: no message about a short form
        const char* shortForm;
        const char* record; // as it stands afterwards
    } cases[] = {
        // In use: pointed out, and marked so it stays in use.
        {9, "envelope ", "Missed short form:\r\n\r\nenv\tenvelope", "env", "env\tenvelope\xB7"},
        {9, "because ", "Missed short form:\r\n\r\nbc\tbecause\xB7", "bc",
         "bc\tbc\xA1\xA1"
         "because\xB7"},
        // Not in use yet: activated.
        {2, "about ", "Short form activated:\r\n\r\nabt\tabout", "abt",
         "abt\tabt\xA1\xA1\xA1"
         "about\xB7"},
        {0, "Envelope,", "Short form activated:\r\n\r\nenv\tenvelope", "env", "env\tenvelope\xB7"},
        // A word that is not a whole expansion, or only a piece of a longer one.
        {0, "abou ", "", "abt",
         "abt\tabt\xA1\xA1\xA1"
         "about"},
        {9, "information ", "", "fyi",
         "fyi\tfyi\xA1\xA1\xA1"
         "for your information"},
    };
    for (const auto& c : cases) {
        Session s(c.level);
        s.run(c.typed);
        const std::string shown = DisplayText(s.h.app);
        if (*c.message) {
            EXPECT_EQ(shown, c.message) << c.typed;
        } else {
            EXPECT_EQ(shown.find("Short form"), std::string::npos) << c.typed;
        }
        EXPECT_EQ(s.record(c.shortForm), c.record) << c.typed;
    }
}

TEST(MissedShortForm, ActivationsAreListedAndTheMessageNamesTheEarlierOnes) {
    Session s(0);
    s.run("about envelope ");
    EXPECT_EQ(DisplayText(s.h.app), "Short form activated:\r\n\r\nenv\tenvelope\r\n\r\n\r\n"
                                    "Also activated this session:\r\n\r\nabt\tabout\r\n");
    EXPECT_EQ(s.h.app.stats.activatedList, "env\tenvelope\r\nabt\tabout\r\n");
}

TEST(MissedShortForm, WithLookAheadOffNothingIsShownButTheShortFormIsActivated) {
    Session s(0, false);
    s.run("about ");
    EXPECT_EQ(DisplayText(s.h.app).find("Short form"), std::string::npos);
    EXPECT_EQ(s.h.app.stats.activatedList, "abt\tabout\r\n");
}

} // namespace
