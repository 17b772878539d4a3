#include "StoreTestData.h"
#include "store/Records.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string kGroup = Rec("bc", "bc" + Erases(2) + "because" + Act) + Rec("by", "by") +
                           Rec("bz", "bz" + Erases(2) + "buzz" + Add);

TEST(Records, AWalkGivesEachRecordsPartsAndWhereItStands) {
    struct Seen {
        std::string shortForm, stored;
        char mark;
        std::string_view atStart, atEnd;
    };
    std::vector<Seen> seen;
    for (const Record& r : RecordsOf(kGroup))
        seen.push_back({std::string(r.shortForm), std::string(r.stored), r.mark,
                        std::string_view(kGroup).substr(r.start - 2, 3),
                        std::string_view(kGroup).substr(r.end)});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].shortForm, "bc");
    EXPECT_EQ(seen[0].stored, "bc" + Erases(2) + "because");
    EXPECT_EQ(seen[0].mark, mark::Activated);
    EXPECT_EQ(seen[0].atStart, "\r\nb");
    EXPECT_TRUE(seen[0].atEnd.starts_with("\r\nby\t")); // the mark is inside the record
    EXPECT_EQ(seen[1].stored, "by");
    EXPECT_EQ(seen[1].mark, '\0');
    EXPECT_EQ(seen[2].mark, mark::Added);
    EXPECT_EQ(seen[2].atEnd, ""); // the last record runs to the group's end
}

TEST(Records, TheRecordAroundAPositionAndTheLastRecord) {
    const std::size_t inBecause = kGroup.find("because");
    EXPECT_EQ(RecordAround(kGroup, inBecause).shortForm, "bc");
    EXPECT_EQ(RecordAround(kGroup, kGroup.find("by\tby") + 3).shortForm, "by");
    EXPECT_EQ(LastRecord(kGroup)->shortForm, "bz");
    EXPECT_FALSE(FirstRecord(""));
    EXPECT_FALSE(NextRecord(kGroup, *LastRecord(kGroup)));
}

TEST(Records, TheSearchTakesOnlyAWholeShortFormAtARecordsStart) {
    const std::string group = Rec("th", "that") + Rec("the", "themselves") + Rec("ty", "thy");
    EXPECT_EQ(FindInGroup(group, "th")->stored, "that");
    EXPECT_EQ(FindInGroup(group, "the")->stored, "themselves");
    EXPECT_EQ(FindInGroup(group, "ty")->end, group.size());
    EXPECT_FALSE(FindInGroup(group, "t"));   // only a prefix
    EXPECT_FALSE(FindInGroup(group, "hat")); // a piece of an expansion
    EXPECT_FALSE(FindInGroup(group, "thy")); // an expansion, whole
}

} // namespace
