#include "StoreTestData.h"
#include "store/Database.h"

#include <gtest/gtest.h>

TEST(GroupIndex, ClampsBelowAAndAboveZ) {
    EXPECT_EQ(GroupIndex('a'), 0);
    EXPECT_EQ(GroupIndex('q'), 16);
    EXPECT_EQ(GroupIndex('z'), 25);
    EXPECT_EQ(GroupIndex('A'), 0);
    EXPECT_EQ(GroupIndex('{'), 25);
    EXPECT_EQ(GroupIndex('\xE9'), 25); // an accented letter is above z, not below a
}

class FindRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db = FilledDatabase();
        db.groups[GroupIndex('t')] = Rec("th", "that") + Rec("the", "themselves") +
                                     Rec("ty", "ty" + Erases(2) + "thank you" + Add);
    }
    Database db;
};

TEST_F(FindRecordTest, TellsAPrefixFromTheLongerShortForm) {
    const auto th = FindRecord(db, "th");
    ASSERT_TRUE(th);
    EXPECT_EQ(RecordText(db, *th), "th\tthat");
    const auto the = FindRecord(db, "the");
    ASSERT_TRUE(the);
    EXPECT_EQ(RecordText(db, *the), "the\tthemselves");
}

TEST_F(FindRecordTest, RecordAtTheGroupsEndRunsToTheEnd) {
    const auto ty = FindRecord(db, "ty");
    ASSERT_TRUE(ty);
    EXPECT_EQ(ty->group, GroupIndex('t'));
    EXPECT_EQ(ty->end, db.groups[ty->group].size());
    EXPECT_EQ(RecordText(db, *ty), "ty\tty" + Erases(2) + "thank you" + Add);
}

TEST_F(FindRecordTest, MissesWhatIsNotAWholeShortForm) {
    EXPECT_FALSE(FindRecord(db, "t"));   // only a prefix
    EXPECT_FALSE(FindRecord(db, "thx")); // absent
    EXPECT_FALSE(FindRecord(db, "hat")); // a piece of an expansion
    EXPECT_FALSE(FindRecord(db, ""));
}

TEST(SplitRecord, SeparatesShortFormExpansionAndState) {
    const std::string activated = "bc\tbc" + Erases(2) + "because" + Act;
    RecordParts p = SplitRecord(activated);
    EXPECT_EQ(p.shortForm, "bc");
    EXPECT_EQ(p.expansion, "bc" + Erases(2) + "because");
    EXPECT_EQ(p.state, mark::Activated);
    const std::string added = "ty\tthank you" + Add;
    EXPECT_EQ(SplitRecord(added).state, mark::Added);
    p = SplitRecord("env\tenvelope");
    EXPECT_EQ(p.expansion, "envelope");
    EXPECT_EQ(p.state, '\0');
}

TEST(ActiveListOfGroup, TakesMarkedRecordsAndThoseWithinTheUseLevel) {
    const std::string group = Rec("a", "a" + Erases(1) + "an") + Rec("ab", "about" + Act) +
                              Rec("abc", "abc" + Erases(3) + "xyz" + Add) + Rec("abcd", "abcdefg") +
                              Rec("abcdefghij", "abcdefghijk");
    const std::string a = "a\ta" + Erases(1) + "an\r\n";
    const std::string ab = "ab\tabout\r\n"; // Activated: taken without its mark
    const std::string abc = "abc\tabc" + Erases(3) + "xyz" + Add + "\r\n"; // Added: taken whole
    const std::string abcd = "abcd\tabcdefg\r\n";
    const std::string longest = "abcdefghij\tabcdefghijk\r\n";
    struct Case {
        int level;
        std::string text;
        int count;
    };
    for (const Case& c :
         {Case{0, ab + abc, 2}, Case{1, a + ab + abc, 3}, Case{4, a + ab + abc + abcd, 4},
          Case{9, a + ab + abc + abcd + longest, 5}}) {
        const ActiveList list = ActiveListOfGroup(group, c.level);
        EXPECT_EQ(list.text, c.text) << "level " << c.level;
        EXPECT_EQ(list.count, c.count) << "level " << c.level;
    }
}
