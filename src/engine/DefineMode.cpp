#include "engine/DefineMode.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/WordAssembly.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kLongestDefinition = 100;

void EnterDefineMode(Core& core) {
    WordState& w = core.engine.word;
    core.engine.defineMode = {false, w.currentWord};
    ClearWord(w);
    w.wordStartCount = 0;
    core.engine.expansion.armed = false;
    core.windows.setMainCaption(kCaptionDefine);
    core.windows.setPanelCaption("");
    if (PanelMayHide(core.options)) core.windows.hidePanel();
    core.windows.setPanelWidth(kPanelBaseWidth);
}

// The word-start count after leaving: 1 when the backslash stored the definition, so that the
// letters typed next continue from it as after any backslash.
void BackToNormalMode(Core& core, std::int32_t wordStartCount) {
    WordState& w = core.engine.word;
    core.engine.defineMode = {};
    ClearWord(w);
    w.wordStartCount = wordStartCount;
    core.engine.expansion.armed = false;
    core.windows.setMainCaption(kCaptionInWord);
}

void StoreDefinition(Core& core) {
    const std::string& shortForm = core.engine.defineMode.definedShortForm;
    const std::string& typed = core.engine.word.currentWord;
    // Nothing typed in between asks for the short form to be deleted.
    const std::string expansion = typed.empty() ? std::string() : shortForm + typed;
    // A refusal has been shown by the add operation; define mode ends either way.
    static_cast<void>(
        core.windows.addShortForm(shortForm, expansion, typed.empty() ? '\0' : mark::Added));
    core.db.databaseChanged = true;
    BackToNormalMode(core, 1);
}

} // namespace

bool InNormalMode(const Core& core) {
    return core.engine.defineMode.normalMode;
}

void ToggleDefineMode(Core& core) {
    if (InNormalMode(core))
        EnterDefineMode(core);
    else
        StoreDefinition(core);
}

void DefineModeBoundary(Core& core) {
    WordState& w = core.engine.word;
    if (w.currentWord.size() > kLongestDefinition || w.currentChar == "\r") {
        if (PanelMayHide(core.options)) core.windows.hidePanel();
        if (core.engine.expansion.previewLength > 11) core.windows.setPanelWidth(kPanelBaseWidth);
        BackToNormalMode(core, 0);
        return;
    }
    if (w.currentChar == "\\") return;
    w.currentWord += w.currentChar;
    core.windows.setMainCaption(kCaptionDefining);
}
