#include "ui/Editor.h"

#include "keyout/KeyScript.h"
#include "platform/text.h"
#include "store/Dictionary.h"
#include "store/Save.h"
#include "store/ShortFormEditing.h"
#include "ui/AddShortForm.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/Handlers.h"
#include "ui/QuibListWindow.h"

namespace {

// The editor's boxes; all of them are there whenever the editor is.
struct Boxes {
    Control& shortForm;
    Control& expansion;
    Control& added;
    Control& activated;
};

Boxes EditorBoxes(App& app) {
    Form& f = app.frmEdit;
    return {*FindControl(f, kTxtShFm), *FindControl(f, kTxtExpTo), *FindControl(f, kChkAdded),
            *FindControl(f, kChkActivated)};
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The Quib List lists the Added records: while it shows, it follows their changes.
void RefreshQuibList(App& app) {
    if (app.clip.quib.shown) BuildQuibList(app);
}

// The user typed an expansion, then a short form that another record already has: its record
// is replaced only when the user says so.
bool MayReplaceExistingRecord(App& app, const Boxes& b) {
    const std::string shortForm = LowerCase(b.shortForm.text);
    if (b.expansion.text.empty() || shortForm == app.editor.loadedShortForm) return true;
    const EditorLookup look = LookUpForEditor(app.db, shortForm, app.platform.localTime());
    if (!look.found || look.expansion == b.expansion.text) return true;
    return app.platform.messageBox(
               "The short form " + shortForm + " already stands for:\r\n" + look.expansion +
                   "\r\n\r\nReplace it with " + b.expansion.text + "?",
               "Quibnote", MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

// False when nothing was changed: a refusal (shown by the add operation) or a replacement the
// user declined. The boxes then keep what the user typed.
bool AddFromBoxes(App& app) {
    const Boxes b = EditorBoxes(app);
    if (!MayReplaceExistingRecord(app, b)) return false;
    const AddResult r = AddShortForm(app, b.shortForm.text, b.expansion.text,
                                     StateMarkOf(b.added.checked, b.activated.checked));
    return r.outcome == AddOutcome::Stored || r.outcome == AddOutcome::Deleted ||
           r.outcome == AddOutcome::Nothing;
}

void ClearBoxes(App& app) {
    const Boxes b = EditorBoxes(app);
    b.shortForm.text.clear();
    b.expansion.text.clear();
    app.editor.loadedShortForm.clear();
    app.editor.loadedExpansion.clear();
}

void cmdExitSave_Click(App& app) {
    if (!AddFromBoxes(app)) return;
    RefreshQuibList(app);
    // With protected mode on nothing is ever written; Delete Short Form comes here too.
    if (!app.options.protectedMode) {
        const FileStatus saved = SaveDatabase(app.platform, app.db, app.options, false);
        if (!saved.ok) {
            app.platform.messageBox("Quibnote could not save your short forms.\r\n" + saved.error +
                                        "\r\n\r\nNothing was lost: the change stays in Quibnote "
                                        "until the next save.",
                                    "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    CloseEditor(app);
}

void cmdRepeatNoSave_Click(App& app) {
    if (!AddFromBoxes(app)) return;
    RefreshQuibList(app);
    ClearBoxes(app);
}

void cmdDelete_Click(App& app) {
    std::string& expansion = EditorBoxes(app).expansion.text;
    const std::string typed = expansion;
    expansion.clear();
    cmdExitSave_Click(app);
    // A refused deletion leaves the editor open on what the user had.
    if (app.engine.editorOpen && !typed.empty() && expansion.empty()) expansion = typed;
}

void cmdPaste_Click(App& app) {
    const std::optional<std::string> clip = app.platform.clipboardText();
    if (clip) EditorBoxes(app).expansion.text += PastedExpansion(*clip);
}

void cmdCallDict_Click(App& app) {
    TypeIntoDictionary(app.platform, app.out, app.dictionary,
                       WithoutStateMark(EditorBoxes(app).expansion.text));
}

// Either state, or neither: checking one box clears the other.
void chkAdded_Click(App& app) {
    const Boxes b = EditorBoxes(app);
    if (!b.added.checked) return;
    b.activated.checked = false;
    RefreshQuibList(app);
}

void chkActivated_Click(App& app) {
    const Boxes b = EditorBoxes(app);
    if (b.activated.checked) b.added.checked = false;
}

} // namespace

void OpenEditor(App& app) {
    Platform& p = app.platform;
    Form& f = app.frmEdit;
    if (app.engine.editorOpen) {
        p.showForm(f, true);
        return;
    }
    app.editor.expanderWasOn = app.options.expanderOn;
    app.options.expanderOn = false;
    app.engine.editorOpen = true;
    f.rect.height = app.editor.height;
    FindControl(f, kCmdCallDict)->visible = app.dictionary.available;
    // With protected mode on changes can still be tried out, but never written.
    FindControl(f, kCmdExitSave)->enabled = !app.options.protectedMode;
    const Boxes b = EditorBoxes(app);
    ClearBoxes(app);
    b.added.checked = false;
    b.activated.checked = false;
    p.showForm(f, true);
    const std::string& word = app.engine.word.currentWord;
    if (word.empty()) return;
    b.shortForm.text = word;
    txtShFm_Change(app);
    TypeKeyScript(p, app.out, "{T1}");
}

void CloseEditor(App& app) {
    if (!app.engine.editorOpen) return;
    Form& f = app.frmEdit;
    app.editor.height = f.rect.height;
    app.platform.hideForm(f);
    f.open = false;
    app.engine.editorOpen = false;
    // The option is the user's again at once, for a save of the settings; the off loop turns the
    // expander itself on again, as it does for the menu command.
    if (app.editor.expanderWasOn && !app.options.expanderOn) {
        app.options.expanderOn = true;
        app.engine.expanderToggleRequest = true;
    }
}

void txtShFm_Change(App& app) {
    const Boxes b = EditorBoxes(app);
    b.shortForm.text = LowerCase(b.shortForm.text);
    const std::string& typed = b.shortForm.text;
    if (typed.empty() || typed.front() < 'a' || typed.front() > 'z') return;
    const EditorLookup look = LookUpForEditor(app.db, typed, app.platform.localTime());
    // The display box shows the record either way; the expansion box takes it only when it holds
    // nothing of the user's, as when a short form is typed on its way to a longer one.
    const bool usersText =
        !b.expansion.text.empty() && b.expansion.text != app.editor.loadedExpansion;
    if (look.found && !usersText) {
        b.expansion.text = look.expansion;
        b.added.checked = look.state == mark::Added;
        b.activated.checked = look.state == mark::Activated;
        app.editor.loadedShortForm = typed;
        app.editor.loadedExpansion = look.expansion;
    }
    SetDisplayText(app, look.records);
}

void AddEditorHandlers(Handlers& h) {
    const auto on = [&h](std::string_view control, UserAction::Kind kind, void (*handler)(App&)) {
        h.events.emplace(EventKey(kFrmEdit, control, kind),
                         [handler](App& app, const UserAction&) { handler(app); });
    };
    using K = UserAction::Kind;
    on(kTxtShFm, K::Change, txtShFm_Change);
    on(kCmdExitSave, K::Click, cmdExitSave_Click);
    on(kCmdRepeatNoSave, K::Click, cmdRepeatNoSave_Click);
    on(kCmdDelete, K::Click, cmdDelete_Click);
    on(kCmdPaste, K::Click, cmdPaste_Click);
    on(kCmdCallDict, K::Click, cmdCallDict_Click);
    on(kChkAdded, K::Click, chkAdded_Click);
    on(kChkActivated, K::Click, chkActivated_Click);
    on("", K::Close, CloseEditor);
}
