#include "FakeFiles.h"
#include "StoreTestData.h"
#include "store/DataFile.h"
#include "store/DatabaseFile.h"

#include <gtest/gtest.h>

namespace {

const std::string Settings = "1 2 0 16748688 2150 13300 7950 4060 -- Copyright 2026";

// A well-formed file: every letter has a record, group b three, the last line ends with CR LF.
std::string GoodFile() {
    std::string text = Settings;
    for (char l = 'a'; l <= 'z'; ++l) {
        text += Rec(std::string(1, l) + "zz", std::string(1, l) + "zzz");
        if (l == 'b')
            text += Rec("bc", "bc" + Erases(2) + "because" + Act) +
                    Rec("by", "by" + Erases(2) + "bye" + Add);
    }
    return text + "\r\n";
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    const std::size_t p = text.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    return text.replace(p, from.size(), to);
}

} // namespace

TEST(DatabaseFile, CutsIntoGroupsAndWritesBackByteForByte) {
    const std::string file = GoodFile();
    const LoadResult r = CutDatabaseText(file);
    ASSERT_TRUE(r.db) << r.error;
    EXPECT_EQ(r.db->settingsLine, Settings);
    EXPECT_EQ(r.db->groups[0], Rec("azz", "azzz")); // group a begins with the settings line's CR LF
    EXPECT_EQ(r.db->groups[1], Rec("bzz", "bzzz") + Rec("bc", "bc" + Erases(2) + "because" + Act) +
                                   Rec("by", "by" + Erases(2) + "bye" + Add));
    EXPECT_EQ(r.db->groups[25], Rec("zzz", "zzzz")); // the file's final CR LF is not part of z
    EXPECT_EQ(DatabaseText(*r.db), file);

    const LoadResult again = CutDatabaseText(DatabaseText(*r.db));
    ASSERT_TRUE(again.db);
    EXPECT_EQ(again.db->groups, r.db->groups);
}

TEST(DatabaseFile, FirstRecordOfGroupAFollowsTheSettingsLine) {
    const LoadResult r = CutDatabaseText(GoodFile());
    ASSERT_TRUE(r.db);
    const auto found = FindRecord(*r.db, "azz");
    ASSERT_TRUE(found);
    EXPECT_EQ(RecordText(*r.db, *found), "azz\tazzz");
}

TEST(DatabaseFile, FileWithoutItsLastLineBreakIsAcceptedAndGetsOneBack) {
    std::string file = GoodFile();
    file.resize(file.size() - 2);
    const LoadResult r = CutDatabaseText(file);
    ASSERT_TRUE(r.db) << r.error;
    EXPECT_EQ(DatabaseText(*r.db), GoodFile());
}

TEST(DatabaseFile, RefusesFilesItCannotUseAndSaysWhy) {
    std::string lfOnly = GoodFile();
    for (std::size_t p = lfOnly.find("\r\n"); p != std::string::npos; p = lfOnly.find("\r\n", p))
        lfOnly.erase(p, 1);
    const std::string good = GoodFile();
    const std::string groupB = Rec("bzz", "bzzz") + Rec("bc", "bc" + Erases(2) + "because" + Act) +
                               Rec("by", "by" + Erases(2) + "bye" + Add);
    const std::string groupC = Rec("czz", "czzz");
    struct Case {
        std::string name;
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"empty", "", "the file is empty"},
        {"settings line only", Settings, "the file holds no short-form records"},
        {"settings line and line break", Settings + "\r\n", "the file holds no short-form records"},
        {"LF line ends", lfOnly, "line 1 does not end with CR LF"},
        {"stray CR", Replace(good, "czzz", "c\rzzz"), "line 6 does not end with CR LF"},
        {"missing group", Replace(good, Rec("qzz", "qzzz"), ""), "the letter group 'q' is missing"},
        {"groups swapped", Replace(good, groupB + groupC, groupC + groupB),
         "the letter groups are out of order: line 4 belongs to group 'b' but follows group 'c'"},
        {"stray record before a",
         Replace(good, Rec("azz", "azzz"), Rec("zq", "zebra") + Rec("azz", "azzz")),
         "the letter groups are out of order: line 3 belongs to group 'a' but follows group 'z'"},
        {"blank line", Replace(good, Rec("czz", "czzz"), "\r\n" + Rec("czz", "czzz")),
         "line 6 is not a short-form record"},
        {"line without TAB", Replace(good, "czz\tczzz", "czz czzz"),
         "line 6 is not a short-form record"},
        {"capital in short form", Replace(good, "czz\t", "cZz\t"),
         "line 6 is not a short-form record"},
    };
    for (const Case& c : cases) {
        const LoadResult r = CutDatabaseText(c.text);
        EXPECT_FALSE(r.db) << c.name;
        EXPECT_EQ(r.error.substr(0, c.error.size()), c.error) << c.name << ": " << r.error;
    }
}

TEST(DataFile, NamesAreFullPathsOrFilesInTheProgramFolder) {
    FakeFiles disk;
    EXPECT_EQ(DataFilePath(disk, "QNDict.txt"), "/prog/QNDict.txt");
    EXPECT_EQ(DataFilePath(disk, "C:\\Lists\\my.clt"), "C:\\Lists\\my.clt");
    EXPECT_EQ(DataFilePath(disk, "/home/u/my.clt"), "/home/u/my.clt");
    disk.folder = "C:\\Quibnote";
    EXPECT_EQ(DataFilePath(disk, "QNDict.txt"), "C:\\Quibnote\\QNDict.txt");
}

TEST(DataFile, AReadGivesAFixedTextWhenTheFileIsMissing) {
    FakeFiles disk;
    disk.files["/prog/QNCustom.dta"] = "0 0 0 C1 Copyright\r\n\r\nazz\tazzz\r\n";
    EXPECT_EQ(ReadWholeFile(disk, "QNCustom.dta"), disk.files["/prog/QNCustom.dta"]);
    EXPECT_EQ(ReadWholeFile(disk, "QNTips.txt"), "File not found!");
}
