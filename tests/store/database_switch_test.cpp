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

TEST(DatabaseSwitch, TypesFromTheSettingsLineAndFromAnImportsFirstLine) {
    EXPECT_EQ(TypeOfDatabase("0 0 0 -- Copyright x"), DatabaseType::Original);
    EXPECT_EQ(TypeOfDatabase("0 0 0 CU Copyright x"), DatabaseType::Custom);
    EXPECT_EQ(TypeOfDatabase("0 0 0 -1 --"), DatabaseType::Custom);
    EXPECT_EQ(TypeOfImport("0 0 0 -1 --"), DatabaseType::Original);
    EXPECT_EQ(TypeOfImport("0 0 0 CU Copyright x"), DatabaseType::Custom);
}

TEST(DatabaseSwitch, TheWorkingFileIsKeptBeforeTheOtherTakesItsPlace) {
    FakeFiles disk;
    disk.files["/prog/QNhForms.dta"] = Custom + "bk\tbook\r\n";
    disk.files["/prog/QNOrig.dta"] = Original;
    ASSERT_TRUE(SwitchDatabaseFiles(disk, DatabaseType::Original).ok);
    EXPECT_EQ(disk.files["/prog/QNCustom.dta"], Custom + "bk\tbook\r\n");
    EXPECT_EQ(disk.files["/prog/QNhForms.dta"], Original);
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
