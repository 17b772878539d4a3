#include "../store/StoreTestData.h"
#include "clip/QuibEntries.h"
#include "clip/QuibPlacement.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr LocalTime kNow{2026, 1, 5, 9, 0, 0, 1};

TEST(QuibEntries, BlocksPastedByCLPasteOrTwelveCharactersLongQualify) {
    EXPECT_TRUE(QualifiesForQuibList("zzq", "hi"));
    EXPECT_FALSE(QualifiesForQuibList("abc", "eleven char"));
    EXPECT_TRUE(QualifiesForQuibList("abc", "twelve chars"));
    EXPECT_FALSE(QualifiesForQuibList("z", "short"));
}

TEST(QuibEntries, AddedBlocksAreListedInLetterOrderOneRowEach) {
    Database db = FilledDatabase();
    const std::string longText(300, 'x');
    db.groups[0] += Rec("abc", "abc" + Erases(3) + "eleven char" + Add) +
                    Rec("abd", "abd" + Erases(3) + "twelve chars" + Add) +
                    Rec("abe", "abe" + Erases(3) + "activated only here" + Act);
    db.groups[11] += Rec("lm", "lm" + Erases(2) + "Line one`Line two" + Add);
    db.groups[11] += Rec("lz", "lz" + Erases(2) + longText + Add);
    db.groups[3] += Rec("dy", "dy" + Erases(2) + "Dated `~dt:dd/mm/yyyy~ at" + Add);
    db.groups[25] += Rec("zzq", "zzq" + Erases(3) + "hi" + Add);
    const QuibEntries list = CollectQuibEntries(db, kNow);
    EXPECT_EQ(list.shortFormColumn, "abd\r\ndy\r\nlm\r\nlz\r\nzzq\r\n");
    EXPECT_EQ(list.textColumn, "twelve chars\r\nDated 05/01/2026 at\r\nLine one`Line two\r\n" +
                                   std::string(250, 'x') + "...\r\nhi\r\n");
    ASSERT_EQ(list.rows, 5);
    EXPECT_EQ(list.pasteTexts[1], "Dated 05/01/2026 at");
    EXPECT_EQ(list.pasteTexts[2], "Line one\rLine two");
    EXPECT_EQ(list.pasteTexts[3], longText);
    EXPECT_EQ(list.shortForms[4], "zzq");
    EXPECT_FALSE(list.tooMany);
}

TEST(QuibEntries, WithNothingToListOneRowSaysSo) {
    const QuibEntries list = CollectQuibEntries(FilledDatabase(), kNow);
    EXPECT_EQ(list.rows, 1);
    EXPECT_EQ(list.textColumn, "Expansions you add will show here!");
    EXPECT_EQ(list.shortFormColumn, "");
    EXPECT_TRUE(list.pasteTexts.empty());
}

TEST(QuibEntries, TheFirst35BlocksAreListedAndMoreAreReported) {
    Database db = FilledDatabase();
    for (char c = 'a'; c <= 'z'; ++c)
        for (char d : {'a', 'b'}) {
            const std::string sf = std::string("zz") + c + d;
            db.groups[25] += Rec(sf, sf + Erases(4) + "block" + Add);
        }
    const QuibEntries list = CollectQuibEntries(db, kNow);
    EXPECT_EQ(list.rows, 35);
    EXPECT_EQ(list.shortForms.back(), "zzra");
    EXPECT_TRUE(list.tooMany);
}

Database WithZRecords(std::initializer_list<const char*> shortForms) {
    Database db = FilledDatabase();
    db.groups[25].clear();
    for (const char* sf : shortForms) db.groups[25] += Rec(sf, std::string(sf) + Erases(4) + "x");
    return db;
}

TEST(QuibEntries, CLPasteTakesTheNextFreeShortForm) {
    const struct {
        std::initializer_list<const char*> z;
        const char* next;
    } cases[] = {
        {{"zn", "zzab"}, "zzac"},
        {{"zzaz"}, "zzba"},
        {{"zzab", "zzac", "zzad"}, "zzae"},
        {{"zoo"}, "zzaa"},
        {{"zzaa", "zzzzz"}, "zzab"}, // zzaa is taken: it is not replaced
        {{"zzzz"}, "zzaa"},
        {{"zzaa", "zzab", "zzzz"}, "zzac"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> next = NextQuibShortForm(WithZRecords(c.z));
        ASSERT_TRUE(next);
        EXPECT_EQ(*next, c.next) << *c.z.begin();
    }
    // The last record's line without a TAB leaves the search to begin at zzaa.
    Database db = WithZRecords({"zzaa", "zzab"});
    db.groups[25] += "\r\nbroken";
    EXPECT_EQ(NextQuibShortForm(db), "zzac");
}

TEST(QuibEntries, WhenEveryFormIsTakenThereIsNone) {
    Database db = FilledDatabase();
    db.groups[25].clear();
    for (char c = 'a'; c <= 'z'; ++c)
        for (char d = 'a'; d <= 'z'; ++d) db.groups[25] += Rec(std::string("zz") + c + d, "x");
    EXPECT_EQ(NextQuibShortForm(db), std::nullopt);
}

TEST(QuibEntries, CapsLockCapitalizesTheTextButNotItsKeyTokens) {
    EXPECT_EQ(CapitalsOutsideKeyTokens("copy {^c} then {'note} caf\xE9{B1}x"),
              "COPY {^c} THEN {'note} CAF\xC9{B1}X");
    EXPECT_EQ(CapitalsOutsideKeyTokens("{ab} {abc"), "{ab} {ABC");
}

TEST(QuibEntries, RowsByFontSize) {
    EXPECT_EQ(RowHeight(8), 195);
    EXPECT_EQ(RowHeight(10), 240);
    EXPECT_EQ(RowHeight(12), 300);
    EXPECT_EQ(RowHeight(9), 0);
    EXPECT_EQ(RowAt(194, 195), 1);
    EXPECT_EQ(RowAt(195, 195), 2);
    EXPECT_EQ(RowAt(500, 0), 0);
}

TEST(QuibPlacement, TheListStandsLeftOfTheMainWindow) {
    const TwipRect list{0, 0, 4800, 1500};
    QuibPlacement p = PlaceBesideMainWindow({13300, 2150, 4060, 7950}, list, 19200, 12000);
    EXPECT_EQ(p.left, 13300 - 4800);
    EXPECT_EQ(p.top, 2150);
    EXPECT_EQ(p.main.left, 13300);
    // Too low: lifted to 500 twips above the screen's bottom.
    p = PlaceBesideMainWindow({13300, 11000, 4060, 7950}, list, 19200, 12000);
    EXPECT_EQ(p.top, 12000 - 1500 - 500);
}

TEST(QuibPlacement, WithoutRoomTheMainWindowMovesRightThenNarrows) {
    const TwipRect list{0, 0, 4800, 1500};
    // Moved right just far enough.
    QuibPlacement p = PlaceBesideMainWindow({1000, 0, 4060, 7950}, list, 19200, 12000);
    EXPECT_EQ(p.main.left, 4800);
    EXPECT_EQ(p.left, 0);
    // A screen too narrow for both: the main window narrows to what is left.
    p = PlaceBesideMainWindow({1000, 0, 6000, 7950}, list, 10000, 12000);
    EXPECT_EQ(p.main.width, 5200);
    EXPECT_EQ(p.main.left, 4800);
    EXPECT_EQ(p.left, 0);
    // Never below its designed width: the list then overlaps it.
    p = PlaceBesideMainWindow({1000, 0, 6000, 7950}, list, 8000, 12000);
    EXPECT_EQ(p.main.width, 4060);
    EXPECT_EQ(p.main.left, 8000 - 4060);
    EXPECT_EQ(p.left, 0);
}

} // namespace
