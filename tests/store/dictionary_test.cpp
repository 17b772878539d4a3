#include "FakeFiles.h"
#include "platform/sim/SimDesktop.h"
#include "store/Dictionary.h"

#include <gtest/gtest.h>

TEST(Dictionary, TheFileGivesProgramTitleAndClosingScript) {
    const struct {
        const char* text;
        const char* path;
        const char* title;
        const char* script;
    } cases[] = {
        {"C:\\WW\\ww.exe\r\nWordWeb\r\n{N1}", "C:\\WW\\ww.exe", "WordWeb", "{N1}"},
        {"/usr/bin/artha\nArtha\n{N1}\n", "/usr/bin/artha", "Artha", "{N1}"},
        {"/usr/bin/artha\r\nArtha\r\n{N1}\r\n", "/usr/bin/artha", "Artha", "{N1}"},
        {"/bin/dict\r\nDict\r\n{^a}\r\n{N1}", "/bin/dict", "Dict", "{^a}\r\n{N1}"},
        {"/bin/dict\r\nDict", "/bin/dict", "Dict", ""},
        // Without a program and a title there is no dictionary.
        {"/bin/dict", "", "", ""},
        {"/bin/dict\r\n\r\n{N1}", "", "", ""},
        {"\r\nDict\r\n", "", "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const DictionaryConfig d = ParseDictionarySettings(c.text);
        EXPECT_EQ(d.programPath, c.path) << c.text;
        EXPECT_EQ(d.windowTitle, c.title) << c.text;
        EXPECT_EQ(d.closingScript, c.script) << c.text;
        EXPECT_FALSE(d.available);
    }
}

TEST(Dictionary, AvailableOnlyWhenTheProgramIsThere) {
    FakeFiles disk;
    EXPECT_FALSE(LoadDictionarySettings(disk).available); // no file at all
    disk.files["/prog/QNDict.txt"] = "/opt/dict\r\nDict\r\n{N1}";
    EXPECT_FALSE(LoadDictionarySettings(disk).available);
    disk.files["/opt/dict"] = "";
    const DictionaryConfig d = LoadDictionarySettings(disk);
    EXPECT_TRUE(d.available);
    EXPECT_EQ(d.programPath, "/opt/dict");
}

TEST(Dictionary, WordWebWithoutItsTrayIconIsPreferred) {
    FakeFiles disk;
    const std::string tray = "C:\\Program Files\\WordWeb\\wweb32.exe";
    const std::string noTray = "C:\\Program Files\\WordWeb\\wwnotray.exe";
    disk.files["/prog/QNDict.txt"] = tray + "\r\nWordWeb - dictionary\r\n{N1}";
    disk.files[noTray] = "";
    DictionaryConfig d = LoadDictionarySettings(disk);
    EXPECT_EQ(d.programPath, noTray);
    EXPECT_EQ(d.windowTitle, "WordWeb");
    EXPECT_FALSE(d.available); // decided by the program the file names
    disk.files[tray] = "";
    EXPECT_TRUE(LoadDictionarySettings(disk).available);
    disk.files.erase(noTray);
    d = LoadDictionarySettings(disk);
    EXPECT_EQ(d.programPath, tray);
    EXPECT_EQ(d.windowTitle, "WordWeb - dictionary");
}

TEST(Dictionary, TheWordGoesIntoTheDictionaryStartedOnlyWhenItIsNotRunning) {
    SimDesktop sim("/nowhere");
    KeyOutState k;
    const DictionaryConfig d{"/opt/dict", "Dict", "{N1}", true};
    sim.installProgram("/opt/dict", "Dict");

    TypeIntoDictionary(sim, k, d, "because");
    EXPECT_EQ(sim.programsStarted(), std::vector<std::string>{"/opt/dict"});
    ASSERT_TRUE(sim.editorOf("Dict"));
    EXPECT_EQ(sim.editorOf("Dict")->text, "because\n");

    sim.setForegroundWindow(SimDesktop::kDocument);
    TypeIntoDictionary(sim, k, d, "whereas");
    EXPECT_EQ(sim.programsStarted().size(), 1u);
    EXPECT_EQ(sim.windowsActivated(), std::vector<std::string>{"Dict"});
    EXPECT_EQ(sim.editorOf("Dict")->text, "because\nwhereas\n");
    EXPECT_EQ(sim.document().text, "");
}

TEST(Dictionary, NothingIsTypedWhereNoDictionaryCameForward) {
    SimDesktop sim("/nowhere");
    KeyOutState k;
    TypeIntoDictionary(sim, k, {"/opt/dict", "Dict", "{N1}", false}, "because");
    EXPECT_TRUE(sim.programsStarted().empty());
    // Available when the program was found, but it will not start now.
    TypeIntoDictionary(sim, k, {"/opt/dict", "Dict", "{N1}", true}, "because");
    EXPECT_EQ(sim.programsStarted().size(), 1u);
    EXPECT_EQ(sim.document().text, "");
}

TEST(Dictionary, TheShippedConfigurationsNameTheirDesktopsDictionaries) {
    SimDesktop sim{QUIBNOTE_SOURCE_DIR "/data"};
    const struct {
        const char* file;
        const char* path;
        const char* title;
    } shipped[] = {
        {"QNDict.txt", "C:\\Program Files\\WordWeb\\wweb32.exe", "WordWeb"},
        {"linux/QNDict.txt", "/usr/bin/artha", "Artha ~ The Open Thesaurus"},
    };
    for (const auto& s : shipped) {
        const std::optional<std::string> text = sim.readFile(sim.programFolder() + s.file);
        ASSERT_TRUE(text) << s.file;
        const DictionaryConfig d = ParseDictionarySettings(*text);
        EXPECT_EQ(d.programPath, s.path) << s.file;
        EXPECT_EQ(d.windowTitle, s.title) << s.file;
        EXPECT_TRUE(d.closingScript.starts_with("{N1}")) << s.file;
    }
}
