#include "StoreTestData.h"
#include "platform/sim/SimDesktop.h"
#include "store/ShortFormEditing.h"

#include <gtest/gtest.h>

namespace {

const std::string E2 = Erases(2);
const std::string Because = Rec("bc", "bc" + E2 + "because");
const std::string Between = Rec("bt", "bt" + E2 + "between" + Act);
const std::string BestWishes = Rec("by", "by" + E2 + "best wishes" + Add);
const std::string GroupB = Because + Between + BestWishes;
const std::string OnlyX = Rec("xm", "xm" + E2 + "Christmas");

} // namespace

// The editor and define mode: what the user is told, and what the letter group becomes.
TEST(AddRecordInteractively, RefusalsAreShownAndLeaveTheGroup) {
    const struct {
        std::string before;
        std::string shortForm;
        std::string expansion;
        std::string message; // "" none, "(beep)" with messages off
        std::string after;   // "" the group as it was
        bool messages = true;
    } cases[] = {
        {GroupB, "Bc", "because of", "",
         Rec("bc", "bc" + E2 + "because of") + Between + BestWishes},
        {GroupB, "bk", "book" + Add, "",
         Because + Rec("bk", "bk" + E2 + "book" + Add) + Between + BestWishes},
        {GroupB, "bc", "because" + Add, "",
         Rec("bc", "bc" + E2 + "because" + Add) + Between + BestWishes},
        {GroupB, "bt", "", "", Because + BestWishes},
        {GroupB, "b2", "bee two", "Invalid short form. Try again with letters only.", ""},
        {GroupB, "bx", "bx", "A short form and its expansion can't be the same.", ""},
        {GroupB, "bw", "between",
         "This word already has a short form in Quibnote. \r\nDelete it first if you wish to add "
         "this one.",
         ""},
        {OnlyX, "xm", "",
         "You can't delete the last short form in a letter group. \r\nTo delete this item you "
         "will have to add another item first.",
         ""},
        {GroupB, "bw", "between", "(beep)", "", false},
        {OnlyX, "xm", "", "(beep)", "", false},
        {GroupB, "", "nothing at all", "", ""},
    };
    for (const auto& c : cases) {
        SimDesktop sim("/nowhere");
        Database db = FilledDatabase();
        const int g = GroupIndex(c.before[2]);
        db.groups[g] = c.before;
        std::string_view text = c.expansion;
        const bool marked =
            !text.empty() && (text.back() == mark::Added || text.back() == mark::Activated);
        const char state = marked ? text.back() : '\0';
        if (state != '\0') text.remove_suffix(1);
        const AddResult r = AddRecordInteractively(sim, db, c.messages, c.shortForm, text, state);
        const bool changed = r.outcome == AddOutcome::Stored || r.outcome == AddOutcome::Deleted;
        EXPECT_EQ(changed, !c.after.empty()) << c.shortForm;
        const std::vector<std::string> shown = sim.takeMessages();
        EXPECT_EQ(shown.empty() ? "" : shown.front(), c.message) << c.shortForm << c.expansion;
        EXPECT_LE(shown.size(), 1u);
        EXPECT_EQ(db.groups[g], c.after.empty() ? c.before : c.after) << c.shortForm;
        EXPECT_EQ(db.databaseChanged, !c.after.empty()) << c.shortForm;
    }
}

TEST(ShortFormEditing, TheDisplayShowsTheRecordsFromTheChangeOn) {
    SimDesktop sim("/nowhere");
    Database db = FilledDatabase();
    db.groups[1] = GroupB;
    const AddResult added = AddRecordInteractively(sim, db, true, "bd", "bad`day");
    EXPECT_EQ(RecordsForDisplay(db, added.group, added.recordStart, sim.localTime()),
              "bd\tbad\r\n\tday\r\nbt\tbetween" + Act + "\r\nby\tbest wishes" + Add);
    const AddResult deleted = AddRecordInteractively(sim, db, true, "bt", "");
    EXPECT_EQ(RecordsForDisplay(db, deleted.group, deleted.recordStart, sim.localTime()),
              "by\tbest wishes" + Add);
}

TEST(ShortFormEditing, TheEditorFindsTheRecordOrWhereItWouldStand) {
    Database db = FilledDatabase();
    db.groups[1] = GroupB;
    const LocalTime now;
    EditorLookup look = LookUpForEditor(db, "bt", now);
    EXPECT_TRUE(look.found);
    EXPECT_EQ(look.expansion, "between");
    EXPECT_EQ(look.state, mark::Activated);
    EXPECT_EQ(look.records, "bt\tbetween" + Act + "\r\nby\tbest wishes" + Add);

    look = LookUpForEditor(db, "bo", now);
    EXPECT_FALSE(look.found);
    EXPECT_EQ(look.records, "bt\tbetween" + Act + "\r\nby\tbest wishes" + Add);
    EXPECT_EQ(LookUpForEditor(db, "bz", now).records, "");
    EXPECT_EQ(LookUpForEditor(db, "b", now).records.substr(0, 10), "bc\tbecause");

    // A long group is shown up to 5000 characters.
    for (int i = 0; i < 400; ++i)
        db.groups[2] += Rec("cx" + std::string(1, static_cast<char>('a' + i % 26)) +
                                std::string(1, static_cast<char>('a' + i / 26)),
                            "a long enough expansion");
    look = LookUpForEditor(db, "c", now);
    EXPECT_EQ(look.records.size(), 5004u);
    EXPECT_TRUE(look.records.ends_with(" ..."));
}

TEST(ShortFormEditing, PastedTextIsStoredOnOneLine) {
    EXPECT_EQ(PastedExpansion("Dear Sir,\r\n\tThank you\r\nYours"), "Dear Sir,`///Thank you`Yours");
    EXPECT_EQ(PastedExpansion("one\ntwo"), "one`two");
    EXPECT_EQ(PastedExpansion("plain"), "plain");
}

TEST(ShortFormEditing, TheCheckedBoxGivesTheMark) {
    EXPECT_EQ(StateMarkOf(true, false), mark::Added);
    EXPECT_EQ(StateMarkOf(false, true), mark::Activated);
    EXPECT_EQ(StateMarkOf(false, false), '\0');
}

// A mark character in the user's text would not come back as given (an erase mark erases, a
// state mark at the end becomes the record's state): it is refused by name, wherever it stands.
TEST(AddRecordInteractively, AMarkCharacterInTheUsersTextIsRefusedByName) {
    const std::string marks[] = {std::string(1, mark::Erase), Act, Add};
    for (const std::string& m : marks)
        for (const std::string& text : {m + "Hola amigo!", "it is 25" + m, "dot" + m + "dot"}) {
            SimDesktop sim("/nowhere");
            Database db = FilledDatabase();
            const Database before = db;
            const AddResult r = AddRecordInteractively(sim, db, true, "qw", text, mark::Added);
            EXPECT_EQ(r.outcome, AddOutcome::MarkCharacter) << text;
            EXPECT_EQ(db.groups, before.groups) << text;
            EXPECT_FALSE(db.databaseChanged);
            const std::vector<std::string> shown = sim.takeMessages();
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_TRUE(shown.front().starts_with("The character " + m + " can't be stored"))
                << shown.front();
        }
}
