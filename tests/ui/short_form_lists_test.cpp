#include "UiTest.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "store/DatabaseFile.h"
#include "ui/ShortFormLists.h"

#include <gtest/gtest.h>

namespace {

constexpr LocalTime kNow{2026, 1, 5, 9, 0, 0, 1};

// Letter groups from records given as "short form TAB stored expansion [mark]"; a letter with no
// record gets a filler record of its own.
Database Db(std::initializer_list<std::string> records) {
    Database db;
    for (const std::string& r : records) db.groups[r[0] - 'a'] += "\r\n" + r;
    for (int i = 0; i < 26; ++i)
        if (db.groups[i].empty())
            db.groups[i] = "\r\n" + std::string(1, char('a' + i)) + "zz\tfill";
    return db;
}

std::string Erase(int n) {
    return std::string(n, mark::Erase);
}

TEST(LetterList, HeadingsCountTheRecordsShown) {
    const Database db =
        Db({"abt\tabt" + Erase(3) + "about", "ac\tac" + Erase(2) + "account" + mark::Activated,
            "al\tal" + Erase(2) + "all`the best" + mark::Added,
            "bcdef\tbcdef" + Erase(5) + "because"});
    const struct {
        const char* name;
        int letter;
        bool activeOnly;
        int level;
        std::string expected;
    } cases[] = {
        {"every record, marks shown", 0, false, 0,
         "3 'a's:\r\nabt\tabout\r\nac\taccount\xB7\r\nal\tall\r\n\tthe best\xB0"},
        {"active at level 2: the marked ones", 0, true, 2,
         "2 Available 'a's:\r\nac\taccount\r\nal\tall\r\n\tthe best\xB0"},
        {"a count of one without the option keeps the plural", 1, false, 0,
         "1 'b's:\r\nbcdef\tbecause"},
        {"none active", 1, true, 4, "0 Available 'b's:\r\n"},
        {"one available", 1, true, 9, "1 Available 'b':\r\nbcdef\tbecause"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LetterListText(db, c.letter, c.activeOnly, c.level, kNow), c.expected) << c.name;
}

TEST(LetterList, TheRestOfALongListStartsAtAWholeLine) {
    std::string text(27930, 'x');
    text[27925] = '\r';
    text[27926] = '\n';
    text += "\r\nlast";
    EXPECT_EQ(RestOfLongList(text), "...\r\nxxx\r\nlast");
}

TEST(ShortFormLists, LengthListsFilterByLengthAndSaving) {
    const Database db = Db({"abcdefghi\tabcdefghi" + Erase(9) + std::string(21, 'e'),
                            "bcdefghij\tbcdefghij" + Erase(9) + std::string(20, 'e'),
                            "c\tc" + Erase(1) + "cee" + mark::Activated,
                            "cd\tcd" + Erase(2) + "code", "ce\tce" + Erase(2) + "cell`block"});
    EXPECT_EQ(ShortFormListText(db, "<=", 9, 12, kNow),
              "abcdefghi\t" + std::string(21, 'e') + "\r\n");
    // The state mark does not count as a keystroke saved: "cee" saves 2, not 3.
    EXPECT_EQ(ShortFormListText(db, "=", 1, 0, kNow), "c\tcee\xB7\r\n");
    EXPECT_EQ(ShortFormListText(db, "=", 1, 3, kNow), "");
    // A line break in the expansion shows as a new, indented line.
    EXPECT_EQ(ShortFormListText(db, "=", 2, 3, kNow), "ce\tcell\r\n\tblock\r\n");
}

TEST(ShortFormLists, MarkedListsCountEveryRecordAndShowTheFirst1500) {
    Database db = Db({});
    for (int i = 0; i < 1600; ++i) {
        char form[8];
        std::snprintf(form, sizeof form, "s%04d", i);
        db.groups[18] += "\r\n" + std::string(form) + "\tblock" + mark::Added;
    }
    db.groups[0] += "\r\naq\taq" + Erase(2) + "aqua" + mark::Activated;
    const std::string added = ShortFormListText(db, "\xB0", 0, 0, kNow);
    EXPECT_TRUE(added.starts_with("You have added 1600 short forms:\r\n\r\ns0000\tblock\r\n"));
    EXPECT_TRUE(added.ends_with("s1499\tblock\r\n..."));
    EXPECT_EQ(ShortFormListText(db, "\xB7", 0, 0, kNow),
              "You have activated 1 short forms:\r\n\r\naq\taqua\r\n");
    const Database one = Db({"ab\tab" + Erase(2) + "about`us" + mark::Added});
    EXPECT_EQ(ShortFormListText(one, "\xB0", 0, 0, kNow),
              "You have added 1 short form:\r\n\r\nab\tabout\r\n\tus\r\n");
}

// A list too long for the display box is cut with a note; a click with Ctrl held shows the rest.
TEST(LetterList, CtrlClickShowsTheRestOfAListTooLongForTheBox) {
    Harness h;
    std::string db = h.file();
    std::string extra;
    for (int i = 0; i < 1400; ++i) { // kaaa to kcbt, all before kw
        const std::string form = {'k', char('a' + i / 676), char('a' + i / 26 % 26),
                                  char('a' + i % 26)};
        extra += form + "\tkeyword number " + std::to_string(i) + "\r\n";
    }
    db.insert(db.find("\r\nkw\t") + 2, extra);
    h.writeFile(db);
    UseSettings(h, WithField(DefaultSettings, 15, "2")); // every record, not only the active
    std::string plain, withCtrl, shortList;
    h.sim.setIdleHook([&, step = 0]() mutable {
        const std::int64_t now = h.sim.nowMicros();
        Control* box = FindControl(h.app.frmKeyvane, "txtDisplay");
        switch (step++) {
        case 0:
            ClickAt(h, now, "frmKeyvane", "cmdAtoZ", 10);
            break;
        case 1:
            plain = box->text;
            h.sim.schedulePhysicalKey(now, vk::LControl, false);
            ClickAt(h, now + 1000, "frmKeyvane", "cmdAtoZ", 10);
            break;
        case 2:
            withCtrl = box->text;
            ClickAt(h, now, "frmKeyvane", "cmdAtoZ", 0);
            break;
        case 3:
            shortList = box->text;
            h.sim.schedulePhysicalKey(now, vk::LControl, true);
            h.sim.stopProgram();
            break;
        }
    });
    RunProgram(h.app);
    const std::string full = LetterListText(h.app.db, 10, false, 0, kNow);
    ASSERT_GT(full.size(), 28000u);
    EXPECT_EQ(plain, full.substr(0, 28000) +
                         "...\r\n\r\nTo see the rest of this list, hold down the\r\nCtrl key and "
                         "click the letter button again.");
    EXPECT_EQ(withCtrl, RestOfLongList(full));
    EXPECT_TRUE(withCtrl.ends_with("kw\tknow"));
    EXPECT_EQ(shortList, LetterListText(h.app.db, 0, false, 0, kNow));
}

} // namespace
