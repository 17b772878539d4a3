#include "StoreTestData.h"
#include "store/AddRecord.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const std::string E2 = Erases(2);
const std::string Because = Rec("bc", "bc" + E2 + "because");
const std::string Between = Rec("bt", "bt" + E2 + "between" + Act);
const std::string BestWishes = Rec("by", "by" + E2 + "best wishes" + Add);
const std::string GroupB = Because + Between + BestWishes;

struct Case {
    std::string name;
    AddMode mode;
    bool removing;
    std::string listExpansion;
    std::string before; // the group of the short form's first letter
    std::string shortForm;
    std::string expansion;
    AddOutcome outcome;
    std::optional<std::string> after; // nullopt: unchanged
};

} // namespace

TEST(AddRecord, Cases) {
    using enum AddOutcome;
    const AddMode N = AddMode::N, A = AddMode::A, U = AddMode::U, B = AddMode::B;
    const Case cases[] = {
        // The editor.
        {"stored form with erase marks", N, false, "", Between, "Bc", "because", Stored,
         Because + Between},
        {"expansion that begins with the short form", N, false, "", Rec("ea", "ea" + E2 + "each"),
         " env ", "envelope", Stored, Rec("ea", "ea" + E2 + "each") + Rec("env", "envelope")},
        {"inserted first", N, false, "", GroupB, "ba", "banana", Stored,
         Rec("ba", "banana") + GroupB},
        {"a prefix sorts first", N, false, "", GroupB, "b", "but", Stored,
         Rec("b", "but") + GroupB},
        {"inserted between", N, false, "", GroupB, "bd", "bad", Stored,
         Because + Rec("bd", "bd" + E2 + "bad") + Between + BestWishes},
        {"inserted last", N, false, "", GroupB, "bz", "bronze", Stored,
         GroupB + Rec("bz", "bz" + E2 + "bronze")},
        {"letters only", N, false, "", GroupB, "b2", "bee two", InvalidShortForm, std::nullopt},
        {"empty short form", N, false, "", GroupB, "  ", "anything", Nothing, std::nullopt},
        {"same as short form", N, false, "", GroupB, "bx", "bx", SameAsShortForm, std::nullopt},
        {"duplicate expansion", N, false, "", GroupB, "bw", "between", DuplicateExpansion,
         std::nullopt},
        {"a longer expansion is no duplicate", N, false, "", GroupB, "bw", "best", Stored,
         Because + Between + Rec("bw", "bw" + E2 + "best") + BestWishes},
        {"re-added with Added", N, false, "", GroupB, "bc", "because" + Add, Stored,
         Rec("bc", "bc" + E2 + "because" + Add) + Between + BestWishes},
        {"re-added with a new expansion, mark cleared", N, false, "", GroupB, "bt", "between us",
         Stored, Because + Rec("bt", "bt" + E2 + "between us") + BestWishes},
        {"a record's own old text is no duplicate", N, false, "",
         Rec("ca", "ca" + E2 + "cafe" + Erases(1) + "\xE9"), "ca", "\xE9", Stored,
         Rec("ca", "ca" + E2 + "\xE9")},
        {"line breaks and tabs become markers", N, false, "", Between, "bl", "one\r\ntwo\tthree",
         Stored, Rec("bl", "bl" + E2 + "one`two///three") + Between},
        {"deleted", N, false, "", GroupB, "bt", "", Deleted, Because + BestWishes},
        {"deleted with Added checked leaves no stray mark", N, false, "", GroupB, "bc", Add,
         Deleted, Between + BestWishes},
        {"deleting the absent", N, false, "", GroupB, "bq", "", NotThereToRemove, std::nullopt},
        {"last record of a letter", N, false, "", Rec("xm", "xm" + E2 + "Christmas"), "xm", "",
         LastRecord, std::nullopt},

        // A list with a mark, adding.
        {"list adds with its mark", A, false, "", GroupB, "bk", "book" + Add, Stored,
         Because + Rec("bk", "bk" + E2 + "book" + Add) + Between + BestWishes},
        {"list activates what is already there", A, false, "", GroupB, "bc", "because" + Add,
         Activated, Rec("bc", "bc" + E2 + "because" + Act) + Between + BestWishes},
        {"list finds it previously added", A, false, "", GroupB, "by", "best wishes" + Add,
         PreviouslyAdded, std::nullopt},
        {"list refuses a different expansion", A, false, "", GroupB, "bc", "because of" + Add,
         RefusedListLine, std::nullopt},
        {"list refuses a duplicate", A, false, "", GroupB, "bk", "between" + Act,
         DuplicateExpansion, std::nullopt},
        {"list line without expansion deletes nothing", A, false, "", GroupB, "bc", Add,
         EmptyExpansion, std::nullopt},

        // A list with a mark, removing.
        {"list removes its own", A, true, "because", GroupB, "bc", "", Deleted,
         Between + BestWishes},
        {"an Activated record is still the list's", A, true, "between", GroupB, "bt", "", Deleted,
         Because + BestWishes},
        {"list keeps the user's Added record", A, true, "best wishes", GroupB, "by", "",
         NotRemovedAdded, std::nullopt},
        {"list keeps a changed record", A, true, "because of", GroupB, "bc", "", NotRemovedDiffers,
         std::nullopt},
        {"list removal of the absent", A, true, "bread", GroupB, "bq", "", NotThereToRemove,
         std::nullopt},

        // An unactivated list.
        {"unactivated list replaces and clears the mark", U, false, "", GroupB, "by",
         "best regards", Stored, Because + Between + Rec("by", "by" + E2 + "best regards")},
        {"unactivated list refuses a duplicate", U, false, "", GroupB, "bk", "because",
         DuplicateExpansion, std::nullopt},
        {"unactivated list removes without checks", U, true, "", GroupB, "by", "", Deleted,
         Because + Between},
        {"unactivated list cannot empty a letter", U, true, "", Rec("xm", "xm" + E2 + "Christmas"),
         "xm", "", LastRecord, std::nullopt},

        // The start-up rebuild.
        {"rebuild never deletes", B, false, "", GroupB, "bc", "", EmptyExpansion, std::nullopt},
    };
    for (const Case& c : cases) {
        Database db = FilledDatabase();
        const int g = GroupIndex(c.before[2]);
        db.groups[g] = c.before;
        const AddResult r =
            AddRecord(db, c.mode, c.removing, c.listExpansion, c.shortForm, c.expansion);
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ(db.groups[g], c.after.value_or(c.before)) << c.name;
        EXPECT_EQ(db.databaseChanged, c.after.has_value()) << c.name;
        const Database untouched = FilledDatabase();
        for (int other = 0; other < 26; ++other) {
            if (other != g) {
                EXPECT_EQ(db.groups[other], untouched.groups[other]) << c.name;
            }
        }
    }
}

TEST(AddRecord, ReportsWhereTheRecordNowStands) {
    Database db = FilledDatabase();
    db.groups[1] = GroupB;
    const AddResult added = AddRecord(db, AddMode::N, false, "", "bd", "bad");
    EXPECT_EQ(added.group, 1);
    EXPECT_EQ(db.groups[1].substr(added.recordStart, 3), "bd\t");
    const AddResult deleted = AddRecord(db, AddMode::N, false, "", "bd", "");
    EXPECT_EQ(deleted.outcome, AddOutcome::Deleted);
    EXPECT_EQ(db.groups[1].substr(deleted.recordStart), Between + BestWishes);
}

TEST(AddRecord, StoredRecordIsFoundAgain) {
    Database db = FilledDatabase();
    ASSERT_EQ(AddRecord(db, AddMode::N, false, "", "ty", "Thank you`Best wishes" + Add).outcome,
              AddOutcome::Stored);
    const auto found = FindRecord(db, "ty");
    ASSERT_TRUE(found);
    const RecordParts parts = SplitRecord(RecordText(db, *found));
    EXPECT_EQ(parts.expansion, "ty" + E2 + "Thank you`Best wishes");
    EXPECT_EQ(parts.state, mark::Added);
}

TEST(AddOutcomeMessage, TextsOfTheRefusals) {
    EXPECT_EQ(AddOutcomeMessage(AddOutcome::InvalidShortForm),
              "Invalid short form. Try again with letters only.");
    EXPECT_EQ(AddOutcomeMessage(AddOutcome::SameAsShortForm),
              "A short form and its expansion can't be the same.");
    EXPECT_EQ(AddOutcomeMessage(AddOutcome::DuplicateExpansion),
              "This word already has a short form in Quibnote. \r\n"
              "Delete it first if you wish to add this one.");
    EXPECT_EQ(AddOutcomeMessage(AddOutcome::LastRecord),
              "You can't delete the last short form in a letter group. \r\n"
              "To delete this item you will have to add another item first.");
    EXPECT_EQ(AddOutcomeMessage(AddOutcome::Stored), "");
}
