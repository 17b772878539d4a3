#include "StoreTestData.h"
#include "store/ListMerge.h"

#include <gtest/gtest.h>

namespace {

const std::string E2 = Erases(2);

// Group b with a plain record, an Activated one, one of the user's own and one whose text
// follows an erase mark inside it.
Database Start() {
    Database db = FilledDatabase();
    db.groups[1] = Rec("bc", "bc" + E2 + "because") + Rec("bt", "bt" + E2 + "between" + Act) +
                   Rec("by", "by" + E2 + "best wishes" + Add) +
                   Rec("bz", "bz" + E2 + "x" + Erases(1) + "buzz");
    return db;
}

} // namespace

// The merge must add a list exactly as the add operation does line by line: the same outcome
// for every line, in every list mode, and the same groups afterwards, byte for byte.
TEST(ListMerge, AddsEveryLineAsTheAddOperationDoes) {
    const struct {
        const char* shortForm;
        const char* expansion;
    } lines[] = {
        {"bk", "book"},        {"bc", "because"},     {"by", "best wishes"}, {"bt", "between us"},
        {"b2", "bee"},         {"", "nothing"},       {"bw", "between"},     {"bq", "buzz"},
        {"bq", "bq"},          {"bv", "  "},          {"BK", "book"},        {"bj", "book"},
        {"aa", "apple`pie"},   {"ab", "two\tparts"},  {"bk", "a book"},      {"bl", "because"},
        {" zq ", "zed queue"}, {"bm", "best wishes"}, {"bn", "x"},           {"bo", "x"},
    };
    for (const char listMark : {mark::Added, mark::Activated, '\0'}) {
        const AddMode mode = listMark == '\0' ? AddMode::U : AddMode::A;
        Database slow = Start();
        Database fast = Start();
        ASSERT_TRUE(MergeableDatabase(fast));
        ListMerge merge;
        for (const auto& l : lines) {
            std::string withMark = l.expansion;
            if (listMark != '\0') withMark += listMark;
            const AddOutcome expected =
                AddRecord(slow, mode, false, l.expansion, l.shortForm, withMark).outcome;
            EXPECT_EQ(MergeListLine(merge, fast, mode, l.shortForm, withMark), expected)
                << l.shortForm << " " << l.expansion << " mode " << int(mode);
        }
        FinishListMerge(merge, fast);
        EXPECT_EQ(fast.groups, slow.groups) << int(mode);
    }
}

// A group the index cannot read as it stands (hand-edited) is left to the line-by-line path.
TEST(ListMerge, OnlyARegularDatabaseIsMerged) {
    EXPECT_TRUE(MergeableDatabase(Start()));
    const std::string unordered = Rec("bz", "bzzz") + Rec("ba", "baaa");
    const std::string twice = Rec("ba", "baaa") + Rec("ba", "bbbb");
    const std::string noTab = Rec("ba", "baaa") + "\r\nbb";
    const std::string notLetters = Rec("b1", "bone");
    for (const std::string& group : {unordered, twice, noTab, notLetters}) {
        Database db = Start();
        db.groups[1] = group;
        EXPECT_FALSE(MergeableDatabase(db)) << group;
    }
}
