#include "FixtureFolder.h"
#include "Steps.h"

#include <gtest/gtest.h>

namespace {

bool Holds(const std::string& text, const std::string& record) {
    return text.find("\r\n" + record + "\r\n") != std::string::npos;
}

const std::string kOriginalQuick = "oq\toq\xA1\xA1original quick";
const std::string kCustomQuick = "cq\tcq\xA1\xA1"
                                 "custom quick";
const std::string kCustomOnly = "cu\tcu\xA1\xA1"
                                "custom";

// The File menu is opened before one of its commands is chosen, as on the desktop.
std::string FileMenu(const std::string& item) {
    return "menu mnuFile\nmenu " + item + "\n";
}

std::string AddWithTheEditor(const std::string& shortForm, const std::string& expansion) {
    return "menu mnuAddSF\n"
           "set frmEdit.txtShFm " +
           shortForm +
           "\n"
           "set frmEdit.txtExpTo " +
           expansion +
           "\n"
           "click frmEdit.cmdRepeatNoSave\n"
           "close frmEdit\n";
}

// The program still runs and expands.
constexpr const char* kStillRunning = "type abt \nexpect document about \n";

} // namespace

TEST(DatabaseSwitching, CustomAndBackKeepsEachDatabasesChanges) {
    FixtureFolder f("editing");
    const std::string custom = f.file("QNCustom.dta");
    f.run(AddWithTheEditor("oq", "original quick") + "answer OK\n" + FileMenu("mnuCustomDB") +
          "expect messages This will load Quibnote's Custom short forms database.\\x0DOn clicking "
          "OK, Quibnote will close. When you run\\x0DQuibnote after this, it will load with the "
          "Custom database.\\x0DIf you want to keep using the Original short form\\x0Ddatabase, "
          "click Cancel.\n");
    EXPECT_EQ(f.file("QNhForms.dta"), custom);
    EXPECT_TRUE(Holds(f.file("QNOrig.dta"), kOriginalQuick));

    f.run(AddWithTheEditor("cq", "custom quick") + "answer OK\n" + FileMenu("mnuOriginalDB"));
    EXPECT_TRUE(Holds(f.file("QNCustom.dta"), kCustomQuick));
    EXPECT_TRUE(Holds(f.file("QNCustom.dta"), kCustomOnly));
    EXPECT_EQ(f.file("QNhForms.dta"), f.file("QNOrig.dta"));
    EXPECT_TRUE(Holds(f.file("QNhForms.dta"), kOriginalQuick));
    EXPECT_FALSE(Holds(f.file("QNhForms.dta"), kCustomQuick));

    f.run("answer OK\n" + FileMenu("mnuCustomDB"));
    EXPECT_TRUE(Holds(f.file("QNhForms.dta"), kCustomQuick));
    EXPECT_FALSE(Holds(f.file("QNhForms.dta"), kOriginalQuick));
    EXPECT_TRUE(Holds(f.file("QNOrig.dta"), kOriginalQuick));
}

TEST(DatabaseSwitching, CancelledTheProgramGoesOnWithTheSessionSaved) {
    FixtureFolder f("editing");
    const std::string custom = f.file("QNCustom.dta");
    const std::string original = f.file("QNOrig.dta");
    f.run(AddWithTheEditor("oq", "original quick") + "answer Cancel\n" + FileMenu("mnuCustomDB") +
          kStillRunning);
    EXPECT_TRUE(Holds(f.file("QNhForms.dta"), kOriginalQuick));
    EXPECT_EQ(f.file("QNCustom.dta"), custom);
    EXPECT_EQ(f.file("QNOrig.dta"), original);
}

TEST(DatabaseSwitching, TheOtherDatabaseMustBeThereUsableAndOfItsType) {
    const struct {
        const char* name;
        bool customInUse;
        const char* waiting;     // the file the switch would load
        const char* waitingText; // nullptr: missing
        const char* message;
    } cases[] = {
        {"custom missing", false, "QNCustom.dta", nullptr,
         "Custom database 'QNCustom.dta' not found in Quibnote folder"},
        {"original missing", true, "QNOrig.dta", nullptr,
         "Original database 'QNOrig.dta' not found in Quibnote folder"},
        {"custom unusable", false, "QNCustom.dta", "0 0 0 CU Copyright\r\nnot a record\r\n",
         "Custom database 'QNCustom.dta' cannot be used: line 2 is not a short-form record "
         "(lower-case letters, a TAB, the expansion)."},
        {"custom of the other type", false, "QNCustom.dta", "",
         "'QNCustom.dta' in the Quibnote folder does not hold the Custom database."},
    };
    for (const auto& c : cases) {
        FixtureFolder f("editing");
        if (c.customInUse) f.write("QNhForms.dta", f.file("QNCustom.dta"));
        std::filesystem::remove(f.folder / c.waiting);
        if (c.waitingText)
            f.write(c.waiting, *c.waitingText ? c.waitingText : f.file("QNhForms.dta"));
        const std::string working = f.file("QNhForms.dta");
        const std::string waiting = f.file(c.waiting);
        f.run(AddWithTheEditor("oq", "original quick") + "answer OK\n" +
              FileMenu(c.customInUse ? "mnuOriginalDB" : "mnuCustomDB") + "expect messages " +
              c.message + "\n" + kStillRunning);
        EXPECT_EQ(f.file("QNhForms.dta"), working) << c.name; // not even saved
        EXPECT_EQ(f.file(c.waiting), waiting) << c.name;
    }
}

TEST(DatabaseImport, OnlyAUsableDatabaseOfTheTypeInUseReplacesTheWorkingOne) {
    const std::string question =
        "This command will replace the current short forms database with the\\x0Done you will "
        "load from a CD or a flash drive. Have you\\x0Dexported the current database so you can "
        "restore it if you need to?\\x0DIf not, click 'Cancel' and do so now. After loading the "
        "new database,\\x0DQuibnote will close. On reloading Quibnote, the imported\\x0D "
        "database will be used.";
    const struct {
        const char* name;
        const char* answers;
        std::string messages;
    } refused[] = {
        {"cancelled", "answer Cancel\n", question},
        {"no file chosen", "answer OK\nanswer cancel\n", question},
        {"not there", "answer OK\nanswer nothere.dta\n",
         question + " | Short forms database not found."},
        {"not a database", "answer OK\nanswer business.clt\n",
         question + " | This file is not a short forms database: the letter group 'a' is missing."},
        {"the other type", "answer OK\nanswer QNCustom.dta\n",
         question + " | You can only import a database of the same type,\\x0DOriginal or Custom, "
                    "as the type Quibnote is now using.\\x0DChange to the other type from the "
                    "File menu, and try again."},
    };
    for (const auto& c : refused) {
        FixtureFolder f("editing");
        const std::string working = f.file("QNhForms.dta");
        f.run(std::string(c.answers) + FileMenu("mnuImport") + "expect messages " + c.messages +
              "\n" + kStillRunning);
        EXPECT_EQ(f.file("QNhForms.dta"), working) << c.name;
    }

    FixtureFolder f("editing");
    std::string imported = f.file("QNOrig.dta");
    imported.insert(imported.find("\r\not\t"), "\r\n" + kOriginalQuick);
    f.write("import.dta", imported);
    f.run(AddWithTheEditor("cq", "custom quick") + "answer OK\nanswer import.dta\n" +
          FileMenu("mnuImport"));
    EXPECT_EQ(f.file("QNhForms.dta"), imported); // this session's change is dropped
}

TEST(DatabaseExport, CopiesTheWorkingDatabaseAsLastSaved) {
    FixtureFolder f("editing");
    const std::string saved = f.file("QNhForms.dta");
    f.run(AddWithTheEditor("oq", "original quick") + "answer cancel\n" + FileMenu("mnuExport") +
          "expect messages\n" + "answer exported.dta\n" + FileMenu("mnuExport") +
          "expect messages\n");
    EXPECT_EQ(f.file("exported.dta"), saved);
}

TEST(FileMenu, OffersTheOtherDatabaseAndWhatProtectedModeAllows) {
    const struct {
        const char* name;
        const char* from; // in the settings line
        const char* to;
        const char* original;
        bool originalEnabled;
        const char* custom;
        bool customEnabled;
        bool exportImport;
        const char* exit;
    } cases[] = {
        {"original", "", "", "Using Original database", false, "Change to &Custom database", true,
         true, "E&xit and save"},
        {"custom", " -- ", " CU ", "Change to &Original database", true, "Using Custom database",
         false, true, "E&xit and save"},
        {"protected", "0 0 0 16748688", "0 0 2 16748688", "Using Original database", false,
         "Change to &Custom database", false, false, "E&xit"},
    };
    for (const auto& c : cases) {
        Harness h;
        std::string db = h.file();
        if (*c.from) db.replace(db.find(c.from), std::string(c.from).size(), c.to);
        h.writeFile(db);
        RunSteps(h, {[&] { ChooseMenu(h, "mnuFile"); }});
        Form& w = h.app.frmKeyvane;
        EXPECT_EQ(FindMenuItem(w, "mnuOriginalDB")->caption, c.original) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuOriginalDB")->enabled, c.originalEnabled) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuCustomDB")->caption, c.custom) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuCustomDB")->enabled, c.customEnabled) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuExport")->enabled, c.exportImport) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuImport")->enabled, c.exportImport) << c.name;
        EXPECT_EQ(FindMenuItem(w, "mnuExit")->caption, c.exit) << c.name;
    }
}

TEST(CustomLists, AddedThenRemovedLeaveTheDatabaseByteForByte) {
    FixtureFolder f("editing");
    for (const char* sample : {"business-terms.clt", "quib-list-starters.clt"})
        std::filesystem::copy_file(std::filesystem::path(QUIBNOTE_SOURCE_DIR) / "data" / sample,
                                   f.folder / sample);
    const std::string before = f.file("QNhForms.dta");
    f.run("answer business-terms.clt\nmenu mnuCustListAdd\n"
          "expect display Short  forms added: 20\\n\n"
          "type asap \nexpect document as soon as possible \n"
          "answer business-terms.clt\nmenu mnuCustListRemove\n"
          "expect display Short forms removed: 20\\n\n"
          "close frmKeyvane\n");
    EXPECT_EQ(f.file("QNhForms.dta"), before);

    // Quib List entries are the user's own once added: removing the list keeps them.
    f.run("answer quib-list-starters.clt\nmenu mnuCustListAdd\n"
          "expect display Short  forms added: 6\\n\n"
          "answer quib-list-starters.clt\nmenu mnuCustListRemove\n"
          "close frmKeyvane\n");
    EXPECT_NE(f.file("QNhForms.dta")
                  .find("\r\nqlthx\tqlthx\xA1\xA1\xA1\xA1\xA1Thank you for "
                        "your message.`I will reply as soon as I can.\xB0\r\n"),
              std::string::npos);
}
