#include "engine/DefineMode.h"

#include "app/App.h"
#include "engine/Display.h"
#include "engine/EditHooks.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kLongestDefinition = 100;

void EnterDefineMode(App& app) {
    WordState& w = app.engine.word;
    app.engine.defineMode = {false, w.currentWord};
    w.currentWord.clear();
    w.wordStartCount = 0;
    app.engine.expansion.armed = false;
    SetMainCaption(app, kCaptionDefine);
    SetPanelCaption(app, "");
    if (PanelMayHide(app)) HidePanel(app);
    SetPanelWidth(app, kPanelBaseWidth);
}

// The word-start count after leaving: 1 when the backslash stored the definition, so that the
// letters typed next continue from it as after any backslash.
void BackToNormalMode(App& app, std::int32_t wordStartCount) {
    WordState& w = app.engine.word;
    app.engine.defineMode = {};
    w.currentWord.clear();
    w.wordStartCount = wordStartCount;
    app.engine.expansion.armed = false;
    SetMainCaption(app, kCaptionInWord);
}

void StoreDefinition(App& app) {
    const std::string& shortForm = app.engine.defineMode.definedShortForm;
    const std::string& typed = app.engine.word.currentWord;
    // Nothing typed in between asks for the short form to be deleted.
    const std::string expansion = typed.empty() ? std::string() : shortForm + typed + mark::Added;
    // A refusal has been shown by the add operation; define mode ends either way.
    static_cast<void>(AddShortForm(app, shortForm, expansion));
    app.db.databaseChanged = true;
    BackToNormalMode(app, 1);
}

} // namespace

bool InNormalMode(const App& app) {
    return app.engine.defineMode.normalMode;
}

void ToggleDefineMode(App& app) {
    if (InNormalMode(app))
        EnterDefineMode(app);
    else
        StoreDefinition(app);
}

void DefineModeBoundary(App& app) {
    WordState& w = app.engine.word;
    if (w.currentWord.size() > kLongestDefinition || w.currentChar == "\r") {
        if (PanelMayHide(app)) HidePanel(app);
        if (app.engine.expansion.previewLength > 11) SetPanelWidth(app, kPanelBaseWidth);
        BackToNormalMode(app, 0);
        return;
    }
    if (w.currentChar == "\\") return;
    w.currentWord += w.currentChar;
    SetMainCaption(app, kCaptionDefining);
}
