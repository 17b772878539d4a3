#include "../engine/Harness.h"

#include <gtest/gtest.h>

namespace {

using Fault = SimDesktop::FileFault;
constexpr Fault kFaults[] = {Fault::DiskFull, Fault::ReadOnlyFolder, Fault::RenameFails};

bool Mentions(const std::string& message, const char* text) {
    return message.find(text) != std::string::npos;
}

TEST(SaveFaults, AFailedExitSaveIsReportedKeepsTheFileAndKeepsTheProgramRunning) {
    for (Fault fault : kFaults) {
        Harness h;
        const std::string before = h.file();
        h.sim.setFileFault(fault);
        h.sim.queueAnswer("Yes");
        h.chooseMenuAt(100'000, "mnuCSFullSpeed");
        h.closeMainWindowAt(150'000);
        h.runFor(400'000);
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_TRUE(Mentions(messages[1], "could not save")) << messages[1];
        EXPECT_TRUE(Mentions(messages[1], "QNhForms.dta")) << messages[1];
        EXPECT_EQ(h.file(), before);
        EXPECT_FALSE(std::filesystem::exists(h.folder / "QNhForms.dta.new"));
        EXPECT_TRUE(h.app.frmKeyvane.open);
        EXPECT_TRUE(h.app.db.settingsChanged);
    }
}

TEST(SaveFaults, AFailedNormalisationSaveIsReportedAndRetriedAtExit) {
    for (Fault fault : kFaults) {
        Harness h;
        std::string db = h.file();
        const std::string normal = "jst\tjst\xA1\xA1\xA1just";
        db.replace(db.find(normal), normal.size(), "jst\tjst\xA1just");
        h.writeFile(db);
        h.sim.setFileFault(fault);
        h.runFor(100'000);
        const std::vector<std::string> messages = h.sim.takeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(Mentions(messages[0], "QNhForms.dta")) << messages[0];
        EXPECT_EQ(h.file(), db);
        EXPECT_TRUE(h.app.db.databaseChanged);
    }
}

} // namespace
