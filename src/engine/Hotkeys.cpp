#include "engine/Hotkeys.h"

#include "app/App.h"
#include "engine/ClipHooks.h"
#include "engine/Display.h"
#include "engine/LookUp.h"
#include "engine/MainLoop.h"
#include "engine/SuffixKeys.h"
#include "engine/WindowOps.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "store/Dictionary.h"

namespace {

constexpr float kMessagePause = 0.5f;

void RunDictionaryHotkey(App& app) {
    if (PollKey(app.platform, 'D') == 0 || !app.dictionary.available) return;
    WaitKeyAndAltUp(app, 'D');
    const std::string caption = PanelCaption(app);
    const bool showsNothing = !app.frmKVDisp.visible || caption == " " || caption.empty();
    TypeIntoDictionary(app.platform, app.out, app.dictionary,
                       DictionaryWord(app.engine.expansion.lastExpansionShown, showsNothing,
                                      app.engine.word.currentWord, app.engine.word.previousWord));
}

void RunMultiClipboardHotkey(App& app) {
    if (PollKey(app.platform, 'P') == 0) return;
    WaitKeyAndAltUp(app, 'P');
    RunMultiClipboard(app);
}

void RunOverrideHotkey(App& app) {
    if (PollKey(app.platform, 'S') == 0) return;
    WaitKeyAndAltUp(app, 'S');
    app.engine.expansion.useLevelOverride = true;
    // Pressed after the word's last letter, the override must still reach this word, whose
    // look-up refused it a moment ago.
    if (app.engine.word.wordActive && !app.engine.expansion.armed) LookUpWhileTyping(app);
}

// Both spacing hotkeys count as an expansion of the one key the user pressed.
void CountSpacing(App& app, int saved) {
    ++app.stats.expansions;
    app.stats.keystrokesSaved += saved;
    ShowStatisticsWhileTyping(app);
}

} // namespace

void RunPanelHotkeys(App& app, const PassReadings& k) {
    if (!k.f11) return;
    if (k.ctrl && !k.shift)
        ToggleHighlightDisplay(app);
    else
        CycleDisplayPanel(app);
    // The mode survives the session, as when it is chosen from the Options menu.
    app.db.settingsChanged = true;
    Pause(app.platform, kMessagePause);
}

void RunAltHotkeys(App& app) {
    ApplyPendingSuffix(app);
    RunDictionaryHotkey(app);
    RunMultiClipboardHotkey(app);
    RunOverrideHotkey(app);
    RunCalculateHotkey(app);
}

void RunCalculateHotkey(App& app) {
    if (PollKey(app.platform, 'C') == 0) return;
    WaitKeyAndAltUp(app, 'C');
    CalculateCapturedClip(app);
}

bool RunCtrlHotkeys(App& app) {
    Platform& p = app.platform;
    const bool c = PollKey(p, 'C') != 0;
    const bool x = PollKey(p, 'X') != 0;
    if (!c && !x) return false;
    for (;;) {
        bool down = false;
        for (std::uint8_t key :
             {std::uint8_t('C'), std::uint8_t('X'), vk::Control, vk::LControl, vk::RControl})
            down = PollKey(p, key) != 0 || down;
        if (!down) break;
    }
    CaptureCopyOrCut(app);
    return true;
}

bool RunSpacingHotkeys(App& app, const PassReadings& k) {
    if (!k.ctrl) return false;
    const WordState& w = app.engine.word;
    const Options& o = app.options;
    Platform& p = app.platform;
    if (w.currentKey == vk::Space && o.ctrlSpaceCount > 0) {
        ReleaseCtrlKeys(p);
        TypeKeyScript(p, app.out, std::string(static_cast<std::size_t>(o.ctrlSpaceCount), ' '));
        CountSpacing(app, o.ctrlSpaceCount - 1);
        return true;
    }
    if (w.currentKey == vk::Oem7 && o.ctrlQuoteCount > 0) {
        ReleaseCtrlKeys(p);
        TypeKeyScript(p, app.out,
                      " \b" + std::string(static_cast<std::size_t>(o.ctrlQuoteCount), ' ') + "\"");
        CountSpacing(app, o.ctrlQuoteCount);
        return true;
    }
    return false;
}

std::string DictionaryWord(std::string_view lastExpansionShown, bool panelShowsNothing,
                           std::string_view currentWord, std::string_view previousWord) {
    std::string_view word = lastExpansionShown;
    if (panelShowsNothing && (lastExpansionShown.size() <= currentWord.size())) word = currentWord;
    if (word.empty()) word = previousWord;
    return std::string(word);
}
