#include "StoreTestData.h"
#include "store/CustomList.h"

#include <gtest/gtest.h>

namespace {

const std::string E2 = Erases(2);

// Group b as the user left it: a plain record, an Activated one and one of the user's own.
Database WithGroupB() {
    Database db = FilledDatabase();
    db.groups[1] = Rec("bc", "bc" + E2 + "because") + Rec("bt", "bt" + E2 + "between" + Act) +
                   Rec("by", "by" + E2 + "best wishes" + Add);
    return db;
}

std::optional<ListCounts> RunList(Database& db, ListAction action, const std::string& text) {
    return RunCustomList(db, action, text, {});
}

} // namespace

TEST(CustomList, TheHeadersFirstWordChoosesTheMark) {
    EXPECT_EQ(ListMarkOfHeader("AddedWX Quib List entries"), mark::Added);
    EXPECT_EQ(ListMarkOfHeader("UnactivatedWX"), '\0');
    EXPECT_EQ(ListMarkOfHeader("  UnactivatedWX list"), '\0');
    EXPECT_EQ(ListMarkOfHeader("Business words"), mark::Activated);
    EXPECT_EQ(ListMarkOfHeader("AddedWXs"), mark::Activated);
    EXPECT_EQ(ListMarkOfHeader(""), mark::Activated);
}

TEST(CustomList, AddingCountsEveryOutcomeAndReportsIt) {
    Database db = WithGroupB();
    const auto c = RunList(db, ListAction::Adding,
                           "AddedWX my list\r\n"
                           "bk\tbook\r\n"
                           "bc\tbecause\r\n"     // there with this text: activated
                           "by\tbest wishes\r\n" // there with this text, the user's own
                           "bt\tbetween us\r\n"  // there with another text
                           "b2\tbee\r\n"         // not letters
                           "\r\n"                // no short form: passed over
                           "bw\tbetween\r\n"     // the text of another short form
                           "xr\tx-ray\r\n");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->processed, 7);
    EXPECT_EQ(ListReport(*c, ListAction::Adding), "Short  forms added: 2\r\n"
                                                  "Previously added: 1\r\n"
                                                  "S. forms not added: 4:\r\n"
                                                  "bt\tbetween us\r\n"
                                                  "b2\tbee\r\n"
                                                  "bw\tbetween\r\n"
                                                  "\r\n"
                                                  "Sh. forms activated: 1:\r\n"
                                                  "bc\tbecause\r\n");
    EXPECT_EQ(db.groups[1], Rec("bc", "bc" + E2 + "because" + Act) +
                                Rec("bk", "bk" + E2 + "book" + Add) +
                                Rec("bt", "bt" + E2 + "between" + Act) +
                                Rec("by", "by" + E2 + "best wishes" + Add));
    EXPECT_EQ(db.groups[23], Rec("xr", "xr" + E2 + "x-ray" + Add) + Rec("xzz", "xzzz"));
    EXPECT_TRUE(db.databaseChanged);
}

// A list line whose expansion holds a mark character is refused and listed, and the report names
// the character; in an unactivated list too, where a trailing state mark would otherwise become
// the record's state.
TEST(CustomList, ALineWithAMarkCharacterIsRefusedAndTheReportNamesIt) {
    for (const char* header : {"AddedWX", "Business", "UnactivatedWX"}) {
        Database db = WithGroupB();
        const std::string list = std::string(header) + "\r\nbk\t\xA1Hola\r\nbq\tit is 25\xB0\r\n" +
                                 "bd\tdot\xB7\r\nbn\tbeen\r\n";
        const auto c = RunList(db, ListAction::Adding, list);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->notAdded, 3) << header;
        EXPECT_EQ(ListReport(*c, ListAction::Adding),
                  "Short  forms added: 1\r\nS. forms not added: 3:\r\n"
                  "bk\t\xA1Hola\r\nbq\tit is 25\xB0\r\nbd\tdot\xB7\r\n"
                  "(the character \xA1 is a mark of the database and can't be stored)\r\n"
                  "(the character \xB0 is a mark of the database and can't be stored)\r\n"
                  "(the character \xB7 is a mark of the database and can't be stored)\r\n"
                  "\r\n")
            << header;
        EXPECT_EQ(db.groups[1].find("Hola"), std::string::npos);
        EXPECT_NE(db.groups[1].find("been"), std::string::npos);
    }
}

TEST(CustomList, AListWithoutLinesAddsNothingAndOneWithoutALineBreakIsNoList) {
    for (const std::string text : {"AddedWX\r\n", "AddedWX\n"}) {
        Database db = WithGroupB();
        const auto c = RunList(db, ListAction::Adding, text);
        ASSERT_TRUE(c);
        EXPECT_EQ(ListReport(*c, ListAction::Adding), "Short  forms added: 0\r\n");
        EXPECT_EQ(db.groups, WithGroupB().groups);
    }
    Database db = WithGroupB();
    EXPECT_FALSE(RunList(db, ListAction::Adding, "AddedWX bk\tbook"));
    EXPECT_FALSE(db.databaseChanged);
}

TEST(CustomList, RemovingTakesOutOnlyWhatIsStillTheLists) {
    Database db = WithGroupB();
    db.groups[2] = Rec("cq", "cq" + E2 + "cheque") + Rec("czz", "czzz");
    const auto c = RunList(db, ListAction::Removing,
                           "Business words\r\n"
                           "cq\tcheque\r\n"
                           "by\tbest wishes\r\n" // the user's own
                           "bc\tbecause of\r\n"  // changed since
                           "b2\tbee\r\n"
                           "bq\tbanquet\r\n"); // not there
    ASSERT_TRUE(c);
    EXPECT_EQ(ListReport(*c, ListAction::Removing), "Short   forms  removed: 1\r\n"
                                                    "SF not there to remove: 1\r\n"
                                                    "Sh. forms not removed: 3:\r\n"
                                                    "by\tbest wishes\r\n"
                                                    "bc\tbecause of\r\n"
                                                    "b2\tbee\r\n");
    EXPECT_EQ(db.groups[2], Rec("czz", "czzz"));
    EXPECT_EQ(db.groups[1], WithGroupB().groups[1]);
}

TEST(CustomList, AnUnactivatedListReplacesAndRemovesWithoutChecks) {
    Database db = WithGroupB();
    auto c = RunList(db, ListAction::Adding, "UnactivatedWX\r\nby\tbest regards\r\nbk\tbook\r\n");
    ASSERT_TRUE(c);
    EXPECT_EQ(ListReport(*c, ListAction::Adding), "Short  forms added: 2\r\n");
    EXPECT_EQ(db.groups[1], Rec("bc", "bc" + E2 + "because") + Rec("bk", "bk" + E2 + "book") +
                                Rec("bt", "bt" + E2 + "between" + Act) +
                                Rec("by", "by" + E2 + "best regards"));
    c = RunList(db, ListAction::Removing, "UnactivatedWX\r\nbt\tanything\r\nbq\r\n");
    ASSERT_TRUE(c);
    EXPECT_EQ(ListReport(*c, ListAction::Removing),
              "Short forms removed: 1\r\nSF not there to remove: 1\r\n");
    EXPECT_EQ(FindRecord(db, "bt"), std::nullopt);
}

TEST(CustomList, AddingThenRemovingNewShortFormsGivesTheDatabaseBack) {
    const std::string list = "Business words\r\nbk\tbook\r\nkpi\tkey performance indicator\r\n"
                             "roi\treturn on investment\r\n";
    Database db = WithGroupB();
    ASSERT_TRUE(RunList(db, ListAction::Adding, list));
    EXPECT_NE(db.groups, WithGroupB().groups);
    ASSERT_TRUE(RunList(db, ListAction::Removing, list));
    EXPECT_EQ(db.groups, WithGroupB().groups);
}

TEST(CustomList, TheLastRecordOfALetterStaysAndIsReported) {
    Database db = FilledDatabase();
    int kept = 0;
    const auto c = RunCustomList(db, ListAction::Removing, "UnactivatedWX\r\nqzz\tqzzz\r\n",
                                 {nullptr, [&kept] { ++kept; }});
    ASSERT_TRUE(c);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(c->notRemoved, 1);
    EXPECT_EQ(db.groups[16], Rec("qzz", "qzzz"));
}

TEST(CustomList, ARunningCountEveryHundredLines) {
    std::string list = "UnactivatedWX\r\n";
    for (int i = 0; i < 250; ++i)
        list += "k" + std::string(1, static_cast<char>('a' + i / 26)) +
                std::string(1, static_cast<char>('a' + i % 26)) + "\tkey " + std::to_string(i) +
                "\r\n";
    Database db = FilledDatabase();
    std::vector<int> counts;
    const auto c =
        RunCustomList(db, ListAction::Adding, list,
                      {[&counts](const ListCounts& n) { counts.push_back(n.processed); }, nullptr});
    ASSERT_TRUE(c);
    EXPECT_EQ(counts, (std::vector<int>{100, 200}));
    EXPECT_EQ(ListReport(*c, ListAction::Adding), "Short  forms added: 250\r\n");
}
