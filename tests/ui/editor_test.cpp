#include "Steps.h"
#include "platform/text.h"
#include "ui/QuibListWindow.h"

#include <gtest/gtest.h>

namespace {

std::string Records(const std::string& file) {
    return file.substr(file.find("\r\n"));
}

} // namespace

TEST(Editor, OpensWithTheWordTypedAndSuspendsTheExpanderWhileOpen) {
    Harness h;
    std::string shortForm, expansion, focus;
    bool expanderWhileOpen = true, expanderAfterwards = false;
    RunSteps(h,
             {
                 [&] { TypeKeys(h, "abt"); },
                 [&] { ChooseMenu(h, "mnuAddSF"); },
                 [&] {
                     shortForm = EditorControl(h, "txtShFm").text;
                     expansion = EditorControl(h, "txtExpTo").text;
                     focus = h.sim.focusName();
                     expanderWhileOpen = h.app.options.expanderOn;
                     h.app.frmEdit.rect.height = 6000; // the user makes it taller
                     h.sim.scheduleAction(h.sim.nowMicros(),
                                          {UserAction::Kind::Close, "frmEdit", {}, -1, 0, 0, {}});
                 },
                 [&] { expanderAfterwards = h.app.options.expanderOn; },
                 [&] { ChooseMenu(h, "mnuAddSF"); },
             });
    EXPECT_EQ(shortForm, "abt");
    EXPECT_EQ(expansion, "about");
    EXPECT_EQ(focus, "frmEdit.txtExpTo");
    EXPECT_FALSE(expanderWhileOpen);
    EXPECT_TRUE(expanderAfterwards);
    EXPECT_EQ(EditorControl(h, "txtShFm").text, ""); // no word typed since
    EXPECT_EQ(h.app.frmEdit.rect.height, 6000);
    EXPECT_TRUE(h.app.engine.editorOpen);
}

TEST(Editor, ShowsTheRecordOfTheShortFormTyped) {
    Harness h;
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] { SetText(h, "frmEdit", "txtShFm", "TY"); },
                });
    EXPECT_EQ(EditorControl(h, "txtShFm").text, "ty");
    EXPECT_EQ(EditorControl(h, "txtExpTo").text, "Thank you`Best wishes");
    EXPECT_TRUE(EditorControl(h, "chkAdded").checked);
    EXPECT_FALSE(EditorControl(h, "chkActivated").checked);
    const std::string display = FindControl(h.app.frmKeyvane, "txtDisplay")->text;
    EXPECT_EQ(display, "ty\tThank you\r\n\tBest wishes" + std::string(1, mark::Added));
}

TEST(Editor, KeepEditingChangesMemoryAndSaveAndExitWritesTheRecordsOnly) {
    Harness h;
    const std::string before = h.file();
    std::string afterKeepEditing;
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuCSFullSpeed"); }, // a setting changed this session
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] { SetText(h, "frmEdit", "txtShFm", "kpi"); },
                    [&] { SetText(h, "frmEdit", "txtExpTo", "key performance indicator"); },
                    [&] { ClickOn(h, "frmEdit", "chkActivated"); },
                    [&] { ClickOn(h, "frmEdit", "chkAdded"); }, // the other box clears
                    [&] { ClickOn(h, "frmEdit", "cmdRepeatNoSave"); },
                    [&] {
                        afterKeepEditing = h.file();
                        EXPECT_EQ(EditorControl(h, "txtShFm").text, "");
                        EXPECT_EQ(EditorControl(h, "txtExpTo").text, "");
                        SetText(h, "frmEdit", "txtShFm", "sb");
                    },
                    [&] { ClickOn(h, "frmEdit", "cmdDelete"); },
                });
    EXPECT_EQ(afterKeepEditing, before);
    const std::string saved = h.file();
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")), before.substr(0, before.find("\r\n")));
    std::string expected = Records(before);
    expected.insert(expected.find("\r\nkw\t"), "\r\nkpi\tkpi\xA1\xA1\xA1key performance indicator" +
                                                   std::string(1, mark::Added));
    expected.erase(expected.find("\r\nsb\t"), std::string("\r\nsb\tsb\xA1\xA1see below").size());
    EXPECT_EQ(Records(saved), expected);
    EXPECT_FALSE(h.app.frmEdit.visible);
    EXPECT_FALSE(h.app.engine.editorOpen);
    EXPECT_TRUE(h.app.db.settingsChanged); // still to be asked about at exit
}

TEST(Editor, PasteStoresLineBreaksAndTabsAsMarkers) {
    Harness h;
    h.sim.setClipboardText("Dear Sir,\r\n\tThank you");
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] { SetText(h, "frmEdit", "txtExpTo", "Hello "); },
                    [&] { ClickOn(h, "frmEdit", "cmdPaste"); },
                });
    EXPECT_EQ(EditorControl(h, "txtExpTo").text, "Hello Dear Sir,`///Thank you");
}

TEST(Editor, WithProtectedModeOnNothingIsWritten) {
    Harness h;
    h.writeFile(WithOptions(h.file(), [](Options& o) { o.protectedMode = true; }));
    const std::string before = h.file();
    bool exitSaveEnabled = true;
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] {
                        exitSaveEnabled = EditorControl(h, "cmdExitSave").enabled;
                        SetText(h, "frmEdit", "txtShFm", "sb");
                    },
                    [&] { ClickOn(h, "frmEdit", "cmdDelete"); },
                });
    EXPECT_FALSE(exitSaveEnabled);
    EXPECT_EQ(h.file(), before);
    EXPECT_FALSE(FindRecord(h.app.db, "sb")); // deleted all the same, for this session
}

TEST(Editor, TheDictionaryButtonLooksTheExpansionUp) {
    Harness h;
    const std::string program = (h.folder / "dictionary").string();
    h.writeFile("", "dictionary");
    h.writeFile(program + "\r\nDictionary\r\n{N1}", "QNDict.txt");
    h.sim.installProgram(program, "Dictionary");
    bool shown = false;
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] {
                        shown = EditorControl(h, "cmdCallDict").visible;
                        SetText(h, "frmEdit", "txtExpTo", "because" + std::string(1, mark::Added));
                    },
                    [&] { ClickOn(h, "frmEdit", "cmdCallDict"); },
                });
    EXPECT_TRUE(shown);
    EXPECT_EQ(h.sim.programsStarted(), std::vector<std::string>{program});
    ASSERT_TRUE(h.sim.editorOf("Dictionary"));
    EXPECT_EQ(h.sim.editorOf("Dictionary")->text, "because\n");
}

TEST(Editor, NoDictionaryButtonWithoutTheDictionaryProgram) {
    Harness h;
    h.writeFile((h.folder / "missing").string() + "\r\nDictionary\r\n{N1}", "QNDict.txt");
    RunSteps(h, {[&] { ChooseMenu(h, "mnuAddSF"); }});
    EXPECT_TRUE(h.app.frmEdit.visible);
    EXPECT_FALSE(EditorControl(h, "cmdCallDict").visible);
}

TEST(Editor, TheQuibListFollowsTheAddedRecordsWhileItShows) {
    Harness h;
    RunSteps(h, {
                    [&] { ToggleQuibList(h.app); },
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] { SetText(h, "frmEdit", "txtShFm", "sig"); },
                    [&] { SetText(h, "frmEdit", "txtExpTo", "Kind regards"); },
                    [&] { ClickOn(h, "frmEdit", "chkAdded"); },
                    [&] { ClickOn(h, "frmEdit", "cmdRepeatNoSave"); },
                });
    const std::vector<std::string>& listed = h.app.clip.quib.shortForms;
    EXPECT_NE(std::find(listed.begin(), listed.end(), "sig"), listed.end());
}

TEST(Editor, ItsSuspensionOfTheExpanderIsNeverSavedAsTheUsersSetting) {
    Harness h;
    h.sim.queueAnswer("Yes"); // keep the settings changed this session
    RunSteps(h, {
                    [&] { ChooseMenu(h, "mnuCSFullSpeed"); },
                    [&] { ChooseMenu(h, "mnuAddSF"); },
                    [&] { h.closeMainWindowAt(h.sim.nowMicros()); },
                });
    const std::string saved = h.file();
    const Options o = ParseSettings(saved.substr(0, saved.find("\r\n")));
    EXPECT_TRUE(o.fullSpeed);
    EXPECT_TRUE(o.expanderOn);
}
