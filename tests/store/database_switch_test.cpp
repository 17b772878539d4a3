#include "FakeFiles.h"
#include "store/DatabaseSwitch.h"

#include <gtest/gtest.h>

namespace {

// A whole database file: the settings line, then one record for every letter.
std::string DatabaseFile(const std::string& settingsLine) {
    std::string text = settingsLine + "\r\n";
    for (char c = 'a'; c <= 'z'; ++c) text += std::string(1, c) + "zz\t" + c + "zzz\r\n";
    return text;
}

const std::string Original = DatabaseFile("0 0 0 -- Copyright sample");
const std::string Custom = DatabaseFile("0 0 0 CU Copyright sample");

} // namespace

// Only the two characters before the word "Copyright" tell the type; "--" elsewhere does not.
TEST(DatabaseSwitch, TheTypeIsTheCodeBeforeCopyright) {
    EXPECT_EQ(TypeOfDatabase("0 0 0 -- Copyright x"), DatabaseType::Original);
    EXPECT_EQ(TypeOfDatabase("0 0 0 CU Copyright x"), DatabaseType::Custom);
    EXPECT_EQ(TypeOfDatabase("0 0 0 -1 --"), DatabaseType::Custom);
    EXPECT_EQ(TypeOfDatabase("0 0 0 CU Copyright 2026 -- shared by a colleague"),
              DatabaseType::Custom);
}

TEST(DatabaseSwitch, TheWorkingFileIsKeptAndTheFileItReplacesBackedUp) {
    FakeFiles disk;
    const std::string changed = DatabaseFile("0 0 0 CU Copyright changed");
    disk.files["/prog/QNhForms.dta"] = changed;
    disk.files["/prog/QNCustom.dta"] = Custom;
    disk.files["/prog/QNCustom.bak"] = "an older generation";
    disk.files["/prog/QNOrig.dta"] = Original;
    ASSERT_TRUE(SwitchDatabaseFiles(disk, DatabaseType::Original).ok);
    EXPECT_EQ(disk.files["/prog/QNCustom.dta"], changed);
    EXPECT_EQ(disk.files["/prog/QNCustom.bak"], Custom);
    EXPECT_EQ(disk.files["/prog/QNhForms.dta"], Original);
    EXPECT_FALSE(disk.files.contains("/prog/QNOrig.bak"));
}

// A working file that says it is the type switched to would overwrite that type's database.
TEST(DatabaseSwitch, AWorkingFileOfTheOtherTypeIsNotStoredUnderItsName) {
    FakeFiles disk;
    disk.files["/prog/QNhForms.dta"] = Custom;
    disk.files["/prog/QNCustom.dta"] = DatabaseFile("0 0 0 CU Copyright mine");
    const auto before = disk.files;
    const FileStatus refused = SwitchDatabaseFiles(disk, DatabaseType::Custom);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("'QNOrig.dta'"), std::string::npos) << refused.error;
    EXPECT_EQ(disk.files, before);
    EXPECT_EQ(disk.writes, 0);
}

TEST(DatabaseSwitch, AFailedKeepingCopySwitchesNothing) {
    FakeFiles disk;
    disk.files["/prog/QNhForms.dta"] = Original;
    disk.files["/prog/QNCustom.dta"] = Custom;
    disk.failWrites = true;
    EXPECT_FALSE(SwitchDatabaseFiles(disk, DatabaseType::Custom).ok);
    EXPECT_EQ(disk.files["/prog/QNhForms.dta"], Original);
    EXPECT_EQ(disk.files["/prog/QNCustom.dta"], Custom);
    EXPECT_FALSE(disk.files.contains("/prog/QNOrig.dta"));
}

TEST(DatabaseSwitch, AFileIsCheckedAsTheNextStartWouldLoadIt) {
    FakeFiles disk;
    EXPECT_FALSE(CheckDatabaseFile(disk, "/prog/QNOrig.dta").readable);
    disk.files["/prog/QNOrig.dta"] = "just some text\r\n";
    DatabaseFileCheck check = CheckDatabaseFile(disk, "/prog/QNOrig.dta");
    EXPECT_TRUE(check.readable);
    EXPECT_FALSE(check.problem.empty());
    disk.files["/prog/QNOrig.dta"] = Original;
    check = CheckDatabaseFile(disk, "/prog/QNOrig.dta");
    EXPECT_TRUE(check.problem.empty());
    EXPECT_EQ(check.settingsLine, "0 0 0 -- Copyright sample");
}
