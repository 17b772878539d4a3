#include "FakeFiles.h"
#include "StoreTestData.h"
#include "store/DataFile.h"
#include "store/Save.h"

#include <gtest/gtest.h>

namespace {

const std::string Path = "/prog/QNhForms.dta";

std::string SampleFile(std::string_view settingsLine) {
    std::string text(settingsLine);
    for (char l = 'a'; l <= 'z'; ++l)
        text += Rec(std::string(1, l) + "zz", std::string(1, l) + "zzz");
    return text + "\r\n";
}

} // namespace

TEST(LoadDatabase, SavingWithoutRebuildWritesTheFileBackByteForByte) {
    FakeFiles disk;
    // An odd but legal settings line: nothing in it may be normalised by a plain save.
    const std::string file = SampleFile("3  x 16748688 2150.0 0 0 0 1 -- Copyright  Loffe, 2003 ");
    disk.files[Path] = file;
    LoadResult r = LoadDatabase(disk);
    ASSERT_TRUE(r.db) << r.error;
    r.db->databaseChanged = true;
    const FileStatus s = SaveDatabase(disk, *r.db, ParseSettings(r.db->settingsLine), false);
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(disk.files[Path], file);
    EXPECT_FALSE(r.db->databaseChanged);
}

TEST(LoadDatabase, ErrorNamesTheFileAndTheProblem) {
    FakeFiles disk;
    LoadResult r = LoadDatabase(disk);
    EXPECT_FALSE(r.db);
    EXPECT_EQ(r.error, "The database file /prog/QNhForms.dta cannot be read.");

    std::string file = SampleFile("0");
    file.erase(file.find(Rec("qzz", "qzzz")), Rec("qzz", "qzzz").size());
    disk.files[Path] = file;
    r = LoadDatabase(disk);
    EXPECT_FALSE(r.db);
    EXPECT_EQ(
        r.error,
        "The database file /prog/QNhForms.dta cannot be used: the letter group 'q' is missing.");
}

TEST(SaveDatabase, RebuildWritesTheOptionsAndClearsBothFlags) {
    FakeFiles disk;
    disk.files[Path] = SampleFile("0 0 0 -- Copyright 2026");
    LoadResult r = LoadDatabase(disk);
    ASSERT_TRUE(r.db);
    Options o = ParseSettings(r.db->settingsLine);
    o.useLevel = 3;
    r.db->databaseChanged = r.db->settingsChanged = true;
    ASSERT_TRUE(SaveDatabase(disk, *r.db, o, true).ok);
    EXPECT_EQ(r.db->settingsLine, BuildSettingsLine(o));
    EXPECT_EQ(disk.files[Path], DatabaseText(*r.db));
    const LoadResult reread = LoadDatabase(disk);
    ASSERT_TRUE(reread.db);
    EXPECT_EQ(ParseSettings(reread.db->settingsLine).useLevel, 3);
    EXPECT_FALSE(r.db->databaseChanged);
    EXPECT_FALSE(r.db->settingsChanged);
}

TEST(SaveDatabase, WithoutRebuildTheSettingsFlagStays) {
    FakeFiles disk;
    Database db = FilledDatabase("0 0 0");
    db.databaseChanged = db.settingsChanged = true;
    ASSERT_TRUE(SaveDatabase(disk, db, Options{}, false).ok);
    EXPECT_FALSE(db.databaseChanged);
    EXPECT_TRUE(db.settingsChanged);
    EXPECT_EQ(disk.files[Path].substr(0, 7), "0 0 0\r\n");
}

TEST(SaveDatabase, FailedWriteReportsAndChangesNothing) {
    FakeFiles disk;
    disk.failWrites = true;
    Database db = FilledDatabase("0 0 0");
    db.databaseChanged = db.settingsChanged = true;
    Options o;
    o.useLevel = 5;
    const FileStatus s = SaveDatabase(disk, db, o, true);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.error, "disk full");
    EXPECT_EQ(disk.writes, 1);
    EXPECT_TRUE(db.databaseChanged);
    EXPECT_TRUE(db.settingsChanged);
    EXPECT_EQ(db.settingsLine, "0 0 0"); // the rebuilt line is taken only with the write
}
