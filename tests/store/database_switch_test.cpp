#include "FakePlatform.h"
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
    FakePlatform p;
    p.files["/prog/QNhForms.dta"] = Custom + "bk\tbook\r\n";
    p.files["/prog/QNOrig.dta"] = Original;
    ASSERT_TRUE(SwitchDatabaseFiles(p, DatabaseType::Original).ok);
    EXPECT_EQ(p.files["/prog/QNCustom.dta"], Custom + "bk\tbook\r\n");
    EXPECT_EQ(p.files["/prog/QNhForms.dta"], Original);
}

TEST(DatabaseSwitch, AFailedKeepingCopySwitchesNothing) {
    FakePlatform p;
    p.files["/prog/QNhForms.dta"] = Original;
    p.files["/prog/QNCustom.dta"] = Custom;
    p.failWrites = true;
    EXPECT_FALSE(SwitchDatabaseFiles(p, DatabaseType::Custom).ok);
    EXPECT_EQ(p.files["/prog/QNhForms.dta"], Original);
    EXPECT_EQ(p.files["/prog/QNCustom.dta"], Custom);
    EXPECT_FALSE(p.files.contains("/prog/QNOrig.dta"));
}

TEST(DatabaseSwitch, AFileIsCheckedAsTheNextStartWouldLoadIt) {
    FakePlatform p;
    EXPECT_FALSE(CheckDatabaseFile(p, "/prog/QNOrig.dta").readable);
    p.files["/prog/QNOrig.dta"] = "just some text\r\n";
    DatabaseFileCheck check = CheckDatabaseFile(p, "/prog/QNOrig.dta");
    EXPECT_TRUE(check.readable);
    EXPECT_FALSE(check.problem.empty());
    p.files["/prog/QNOrig.dta"] = Original;
    check = CheckDatabaseFile(p, "/prog/QNOrig.dta");
    EXPECT_TRUE(check.problem.empty());
    EXPECT_EQ(check.settingsLine, "0 0 0 -- Copyright sample");
}
