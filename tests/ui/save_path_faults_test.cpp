#include "Steps.h"
#include "UiTest.h"
#include "store/DatabaseSwitch.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

// Every path that writes a file, tried with each file fault: the user is told, every file of the
// program folder is as it was (or holds only what the step before the failure meant to keep),
// the program goes on with its memory as before the attempt, and trying again without the fault
// does what the first attempt should have done.

namespace {

namespace fs = std::filesystem;
using Fault = SimDesktop::FileFault;
using Step = std::function<void(Harness&)>;
using Files = std::map<std::string, std::string>;

constexpr Fault kFaults[] = {Fault::DiskFull, Fault::ReadOnlyFolder, Fault::RenameFails};
const char* FaultName(Fault f) {
    return f == Fault::DiskFull ? "disk full" : f == Fault::ReadOnlyFolder ? "read-only" : "rename";
}

const std::string kEditing = std::string(QUIBNOTE_SOURCE_DIR) + "/tests/fixtures/editing/";
const std::string kTips = std::string(QUIBNOTE_SOURCE_DIR) + "/tests/fixtures/tips/";
const std::string kNewRecord = "\r\nqk\tqk\xA1\xA1quick\r\n";

Files FolderFiles(const Harness& h) {
    Files files;
    for (const fs::directory_entry& e : fs::directory_iterator(h.folder))
        files[e.path().filename().string()] = h.file(e.path().filename().string());
    return files;
}

void CopyIn(Harness& h, const std::string& from, const char* name, const char* as = nullptr) {
    fs::copy_file(from + name, h.folder / (as ? as : name), fs::copy_options::overwrite_existing);
}

void Close(Harness& h, const char* form) {
    h.sim.scheduleAction(h.sim.nowMicros(), {UserAction::Kind::Close, form, {}, -1, 0, 0, {}});
}

// The editor's Save & Keep Editing: a change in memory only.
std::vector<Step> AddInMemory() {
    return {[](Harness& h) { ChooseMenu(h, "mnuAddSF"); },
            [](Harness& h) { SetText(h, "frmEdit", "txtShFm", "qk"); },
            [](Harness& h) { SetText(h, "frmEdit", "txtExpTo", "quick"); },
            [](Harness& h) { ClickOn(h, "frmEdit", "cmdRepeatNoSave"); },
            [](Harness& h) { Close(h, "frmEdit"); }};
}

bool InMemory(const Harness& h, const std::string& record) {
    for (const std::string& g : h.app.db.groups)
        if ((g + "\r\n").find(record) != std::string::npos) return true;
    return false;
}

DatabaseType TypeInUse(const Harness& h) {
    return TypeOfDatabase(h.app.db.settingsLine);
}

struct SavePath {
    const char* name;
    std::function<void(Harness&)> prepare; // the program folder before the run
    std::vector<Step> before;              // changes made while the disk still works
    const char* faultyFile;                // only writes to this file fail; nullptr: every write
    std::vector<Step> attempt;             // the step that writes, made twice
    const char* message;                   // what the user is told when it fails
    // Files the failed attempt may change, and what they then hold.
    std::function<Files(const Files& before)> mayChange;
    std::function<void(Harness&)> afterFailure; // the memory after the failure
    // Without the fault, the attempt made again (or the retry steps, when there are any), and
    // what it then did; nullptr when the attempt cannot be made twice.
    std::function<void(Harness&, const Files& before)> afterRetry;
    std::vector<Step> retry = {};
};

std::vector<SavePath> SavePaths() {
    const auto nothing = [](const Files&) { return Files{}; };
    const auto editing = [](Harness& h) {
        for (const char* name : {"QNhForms.dta", "QNOrig.dta", "QNCustom.dta"})
            CopyIn(h, kEditing, name);
    };
    const auto inCustom = [editing](Harness& h) {
        editing(h);
        CopyIn(h, kEditing, "QNCustom.dta", "QNhForms.dta");
    };
    const auto changedAndRunning = [](Harness& h) {
        EXPECT_TRUE(h.app.frmKeyvane.open);
        EXPECT_TRUE(InMemory(h, kNewRecord));
        EXPECT_TRUE(h.app.db.databaseChanged);
    };
    const auto switchTo = [](const char* item) -> std::vector<Step> {
        return {[](Harness& h) { ChooseMenu(h, "mnuFile"); },
                [item](Harness& h) { ChooseMenu(h, item); }};
    };
    // The working file was kept under the name of the type left (with the session's change,
    // when there was one), and the other type's file became the working one; the program has
    // ended.
    const auto switched = [](const char* left, const char* loaded, bool changed) {
        return [=](Harness& h, const Files& before) {
            EXPECT_FALSE(h.app.frmKeyvane.open);
            EXPECT_EQ(h.file(), before.at(loaded));
            if (changed)
                EXPECT_NE(h.file(left).find(kNewRecord), std::string::npos);
            else
                EXPECT_EQ(h.file(left), before.at("QNhForms.dta"));
        };
    };
    const auto stillOn = [changedAndRunning](DatabaseType type, bool changed) {
        return [=](Harness& h) {
            if (changed) changedAndRunning(h);
            EXPECT_TRUE(h.app.frmKeyvane.open);
            EXPECT_EQ(TypeInUse(h), type);
        };
    };

    return {
        {"exit save",
         nullptr,
         AddInMemory(),
         nullptr,
         {[](Harness& h) { Close(h, "frmKeyvane"); }},
         "could not save",
         nothing,
         changedAndRunning,
         [](Harness& h, const Files&) {
             EXPECT_FALSE(h.app.frmKeyvane.open);
             EXPECT_NE(h.file().find(kNewRecord), std::string::npos);
         }},

        {"editor save",
         nullptr,
         {[](Harness& h) { ChooseMenu(h, "mnuAddSF"); }},
         nullptr,
         {[](Harness& h) { SetText(h, "frmEdit", "txtShFm", "qk"); },
          [](Harness& h) { SetText(h, "frmEdit", "txtExpTo", "quick"); },
          [](Harness& h) { ClickOn(h, "frmEdit", "cmdExitSave"); }},
         "could not save",
         nothing,
         [changedAndRunning](Harness& h) {
             changedAndRunning(h);
             EXPECT_TRUE(h.app.engine.editorOpen); // the user can try again from there
         },
         [](Harness& h, const Files&) {
             EXPECT_FALSE(h.app.engine.editorOpen);
             EXPECT_FALSE(h.app.db.databaseChanged);
             EXPECT_NE(h.file().find(kNewRecord), std::string::npos);
         }},

        {"CLPaste",
         nullptr,
         {[](Harness& h) { h.sim.setClipboardText("clip block"); }},
         nullptr,
         {[](Harness& h) { ChooseMenu(h, "mnuPasteToPick"); }},
         "could not save",
         nothing,
         [](Harness& h) {
             EXPECT_TRUE(InMemory(h, "\tzzaa\xA1\xA1\xA1\xA1"
                                     "clip block\xB0"));
             EXPECT_TRUE(h.app.db.databaseChanged);
         },
         [](Harness& h, const Files&) {
             EXPECT_FALSE(h.app.frmKeyvane.open);
             EXPECT_NE(h.file().find("\r\nzzaa\t"), std::string::npos);
         },
         {[](Harness& h) { Close(h, "frmKeyvane"); }}},

        {"switch to Custom, session save", editing, AddInMemory(), nullptr, switchTo("mnuCustomDB"),
         "could not save", nothing, stillOn(DatabaseType::Original, true),
         switched("QNOrig.dta", "QNCustom.dta", true)},

        {"switch to Custom, keeping the Original",
         editing,
         {},
         "QNOrig.dta",
         switchTo("mnuCustomDB"),
         "could not be switched",
         // The file the keeping copy would replace is backed up first.
         [](const Files& b) {
             return Files{{"QNOrig.bak", b.at("QNOrig.dta")}};
         },
         stillOn(DatabaseType::Original, false),
         switched("QNOrig.dta", "QNCustom.dta", false)},

        {"switch to Custom, loading it",
         editing,
         {},
         "QNhForms.dta",
         switchTo("mnuCustomDB"),
         "could not be switched",
         [](const Files& b) {
             return Files{{"QNOrig.dta", b.at("QNhForms.dta")}, {"QNOrig.bak", b.at("QNOrig.dta")}};
         },
         stillOn(DatabaseType::Original, false),
         switched("QNOrig.dta", "QNCustom.dta", false)},

        {"switch to Original, loading it",
         inCustom,
         {},
         "QNhForms.dta",
         switchTo("mnuOriginalDB"),
         "could not be switched",
         [](const Files& b) {
             return Files{{"QNCustom.dta", b.at("QNhForms.dta")},
                          {"QNCustom.bak", b.at("QNCustom.dta")}};
         },
         stillOn(DatabaseType::Custom, false),
         switched("QNCustom.dta", "QNOrig.dta", false)},

        {"import",
         [editing](Harness& h) {
             editing(h);
             CopyIn(h, kEditing, "QNOrig.dta", "import.dta");
         },
         AddInMemory(),
         nullptr,
         {[](Harness& h) {
              h.sim.queueAnswer("OK");
              h.sim.queueAnswer("import.dta");
          },
          [](Harness& h) { ChooseMenu(h, "mnuImport"); }},
         "could not be imported",
         nothing,
         stillOn(DatabaseType::Original, true),
         [](Harness& h, const Files& before) {
             EXPECT_FALSE(h.app.frmKeyvane.open);
             EXPECT_EQ(h.file(), before.at("import.dta"));
         }},

        {"export",
         nullptr,
         {},
         nullptr,
         {[](Harness& h) { h.sim.queueAnswer("exported.dta"); },
          [](Harness& h) { ChooseMenu(h, "mnuExport"); }},
         "was not exported",
         nothing,
         [](Harness& h) { EXPECT_TRUE(h.app.frmKeyvane.open); },
         [](Harness& h, const Files&) { EXPECT_EQ(h.file("exported.dta"), h.file()); }},

        {"tips rewrite",
         [](Harness& h) {
             CopyIn(h, kTips, "QNhForms.dta");
             CopyIn(h, kTips, "QNTips.txt");
         },
         {},
         nullptr,
         {[](Harness& h) { ClickOn(h, "frmKVHelp", "cmdOK"); }},
         "which tip to show next",
         nothing,
         [](Harness& h) { EXPECT_FALSE(h.app.frmKVHelp.open); },
         nullptr},
    };
}

TEST(SavePathFaults, EachFaultIsReportedAndLeavesTheFilesAndTheProgramAsTheyWere) {
    for (const SavePath& path : SavePaths()) {
        for (Fault fault : kFaults) {
            SCOPED_TRACE(std::string(path.name) + ", " + FaultName(fault));
            Harness h;
            if (path.prepare) path.prepare(h);
            Files before;
            std::vector<std::function<void()>> steps;
            const auto add = [&](const std::vector<Step>& more) {
                for (const Step& s : more) steps.push_back([&h, s] { s(h); });
            };
            add(path.before);
            steps.push_back([&] {
                before = FolderFiles(h);
                h.sim.takeMessages();
                h.sim.setFileFault(fault, path.faultyFile ? path.faultyFile : "");
            });
            add(path.attempt);
            steps.push_back([&] {
                const std::vector<std::string> messages = h.sim.takeMessages();
                ASSERT_FALSE(messages.empty());
                EXPECT_NE(messages.back().find(path.message), std::string::npos) << messages.back();
                Files expected = before;
                for (const auto& [name, text] : path.mayChange(before)) expected[name] = text;
                EXPECT_EQ(FolderFiles(h), expected);
                path.afterFailure(h);
                h.sim.setFileFault(Fault::None);
            });
            if (path.afterRetry) add(path.retry.empty() ? path.attempt : path.retry);
            RunSteps(h, steps);
            if (!path.afterRetry) continue;
            for (const std::string& m : h.sim.takeMessages())
                EXPECT_EQ(m.find("could not"), std::string::npos) << m;
            path.afterRetry(h, before);
        }
    }
}

} // namespace
