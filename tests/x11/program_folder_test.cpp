#include "platform/FileOps.h"
#include "platform/x11/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "quibnote-x11-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path); }
};

TEST(ProgramFolder, FirstStartCopiesTheShippedDataAndLaterStartsKeepTheUsersFiles) {
    TempDir shipped;
    TempDir home;
    ASSERT_TRUE(WriteFileAtomically((shipped.path / "QNhForms.dta").string(), "shipped db").ok);
    ASSERT_TRUE(WriteFileAtomically((shipped.path / "QNTips.txt").string(), "tips").ok);
    ASSERT_TRUE(WriteFileAtomically((shipped.path / "quibnote.desktop").string(), "entry").ok);
    ASSERT_TRUE(WriteFileAtomically((shipped.path / "QNDict.txt").string(), "windows").ok);
    fs::create_directory(shipped.path / "linux");
    ASSERT_TRUE(
        WriteFileAtomically((shipped.path / "linux" / "QNDict.txt").string(), "linux dictionary")
            .ok);
    const fs::path folder = home.path / "share" / "quibnote";

    EXPECT_EQ(FillProgramFolder(folder.string(), shipped.path.string()), "");
    EXPECT_EQ(ReadWholeFile((folder / "QNhForms.dta").string()), "shipped db");
    EXPECT_EQ(ReadWholeFile((folder / "QNTips.txt").string()), "tips");
    EXPECT_FALSE(fs::exists(folder / "quibnote.desktop"));
    EXPECT_EQ(ReadWholeFile((folder / "QNDict.txt").string()), "linux dictionary");

    ASSERT_TRUE(WriteFileAtomically((folder / "QNhForms.dta").string(), "the user's db").ok);
    fs::remove(folder / "QNTips.txt");
    EXPECT_EQ(FillProgramFolder(folder.string(), shipped.path.string()), "");
    EXPECT_EQ(ReadWholeFile((folder / "QNhForms.dta").string()), "the user's db");
    EXPECT_EQ(ReadWholeFile((folder / "QNTips.txt").string()), "tips");
}

TEST(ProgramFolder, AFolderThatCannotBeMadeIsReported) {
    TempDir home;
    ASSERT_TRUE(WriteFileAtomically((home.path / "file").string(), "x").ok);
    const std::string error =
        FillProgramFolder((home.path / "file" / "quibnote").string(), home.path.string());
    EXPECT_NE(error.find("Cannot create"), std::string::npos) << error;
}

TEST(ProgramFolder, TheDefaultFollowsXdgDataHomeThenHome) {
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string data = savedData ? savedData : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultProgramFolder(), "/data/home/quibnote");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
    EXPECT_EQ(DefaultProgramFolder(), std::string(std::getenv("HOME")) + "/.local/share/quibnote");
    if (savedData)
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace
