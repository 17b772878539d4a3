#include "Harness.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

namespace {

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

std::string FirstLine(const std::string& s) {
    return s.substr(0, s.find('\r'));
}

// With no window of a first copy to bring forward, the second start says so; either way it
// reads nothing and sends no keys to the window in front.
TEST(StartUp, ASecondInstanceReadsNothingAndSendsNoKeys) {
    Harness h;
    h.sim.setOtherInstanceRunning(true);
    std::filesystem::remove(h.folder / "QNhForms.dta");
    h.runToEnd();
    EXPECT_EQ(h.sim.takeMessages(),
              std::vector<std::string>{"Quibnote is already running, but its window could not be "
                                       "brought to the front."});
    EXPECT_TRUE(h.sim.systemMenuChoices().empty());
    EXPECT_FALSE(h.app.frmKeyvane.open);
    EXPECT_FALSE(h.sim.isDown(vk::Menu));
}

TEST(StartUp, AnUnusableDatabaseStopsTheStartWithAMessageAndIsLeftAlone) {
    const struct {
        const char* name;
        std::string (*breakIt)(std::string);
    } cases[] = {
        {"letter group missing",
         [](std::string s) { return Replace(s, "\r\nqn\tqn\xA1\xA1question", ""); }},
        {"groups out of order",
         [](std::string s) {
             return Replace(s,
                            "\r\nabt\tabt\xA1\xA1\xA1"
                            "about",
                            "") +
                    "abt\tabt\xA1\xA1\xA1"
                    "about\r\n";
         }},
        {"empty file", [](std::string) { return std::string(); }},
    };
    for (const auto& c : cases) {
        Harness h;
        const std::string broken = c.breakIt(h.file());
        h.writeFile(broken);
        h.runToEnd();
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_NE(messages[0].find("QNhForms.dta"), std::string::npos) << messages[0];
        EXPECT_EQ(h.file(), broken) << c.name;
        EXPECT_FALSE(h.app.frmKeyvane.open) << c.name;
    }
    Harness missing;
    std::filesystem::remove(missing.folder / "QNhForms.dta");
    missing.runToEnd();
    EXPECT_EQ(missing.sim.takeMessages().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(missing.folder / "QNhForms.dta"));
}

TEST(StartUp, AnUnchangedRunLeavesTheFileByteForByte) {
    Harness h;
    const std::string before = h.file();
    h.closeMainWindowAt(200'000);
    h.runToEnd();
    EXPECT_TRUE(h.sim.takeMessages().empty());
    EXPECT_EQ(h.file(), before);
}

TEST(StartUp, RecordsOutOfNormalFormAreRewrittenAndSavedAtStart) {
    Harness h;
    h.writeFile(Replace(h.file(), "jst\tjst\xA1\xA1\xA1just", "jst\tjst\xA1just"));
    h.runFor(50'000);
    const std::string saved = h.file();
    EXPECT_NE(saved.find("\r\njst\tjst\xA1\xA1\xA1jsjust\r\n"), std::string::npos);
}

TEST(Exit, ChangedSettingsAreSavedOnlyWhenTheUserSaysYes) {
    for (const char* answer : {"Yes", "No"}) {
        Harness h;
        const std::string before = h.file();
        h.sim.queueAnswer(answer);
        h.chooseMenuAt(100'000, "mnuCSFullSpeed");
        h.closeMainWindowAt(200'000);
        h.runToEnd();
        EXPECT_EQ(h.sim.takeMessages(),
                  std::vector<std::string>{"Save changes to settings made during this session?"});
        if (std::string(answer) == "Yes") {
            EXPECT_EQ(FirstLine(h.file()), Replace(FirstLine(before), "0 0 0 ", "0 0 1 "));
            EXPECT_EQ(h.file().substr(FirstLine(before).size()),
                      before.substr(FirstLine(before).size()));
        } else {
            EXPECT_EQ(h.file(), before);
        }
    }
}

TEST(Exit, ProtectedModeWritesNothingAndAsksNothing) {
    for (const char* item : {"mnuExit", "mnuExitNoSave"}) {
        Harness h;
        h.writeFile(WithOptions(h.file(), [](Options& o) { o.protectedMode = true; }));
        const std::string before = h.file();
        h.chooseMenuAt(100'000, "mnuCSFullSpeed");
        h.chooseMenuAt(150'000, item);
        h.runToEnd();
        EXPECT_TRUE(h.sim.takeMessages().empty());
        EXPECT_EQ(h.file(), before);
        EXPECT_FALSE(h.app.frmKeyvane.open);
    }
}

TEST(Exit, AFailedSaveIsReportedAndTheProgramKeepsRunning) {
    Harness h;
    h.sim.queueAnswer("Yes");
    h.chooseMenuAt(100'000, "mnuCSFullSpeed");
    h.closeMainWindowAt(150'000);
    // A folder in the way of the new file makes the write fail.
    std::filesystem::create_directory(h.folder / "QNhForms.dta.new");
    const std::string before = h.file();
    h.runFor(400'000);
    const std::vector<std::string> messages = h.sim.takeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("could not save"), std::string::npos);
    EXPECT_EQ(h.file(), before);
    EXPECT_TRUE(h.app.frmKeyvane.open);
    EXPECT_TRUE(h.app.db.settingsChanged);
}

} // namespace
