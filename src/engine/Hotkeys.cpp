#include "engine/Hotkeys.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/LookUp.h"
#include "engine/MainLoop.h"
#include "engine/SuffixKeys.h"
#include "keyout/KeyFlush.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "store/Dictionary.h"

namespace {

constexpr float kMessagePause = 0.5f;

void RunDictionaryHotkey(Core& core) {
    if (PollKey(core.platform, 'D') == 0 || !core.dictionary.available) return;
    WaitKeyAndAltUp(core.platform, 'D');
    const std::string caption = core.windows.panelCaption();
    const bool showsNothing = !core.windows.panelVisible() || caption == " " || caption.empty();
    TypeIntoDictionary(core.platform, core.out, core.dictionary,
                       DictionaryWord(core.engine.expansion.lastExpansionShown, showsNothing,
                                      core.engine.word.currentWord, core.engine.word.previousWord));
}

void RunMultiClipboardHotkey(Core& core) {
    if (PollKey(core.platform, 'P') == 0) return;
    WaitKeyAndAltUp(core.platform, 'P');
    core.windows.runMultiClipboard();
}

void RunOverrideHotkey(Core& core) {
    if (PollKey(core.platform, 'S') == 0) return;
    WaitKeyAndAltUp(core.platform, 'S');
    core.engine.expansion.useLevelOverride = true;
    // Pressed after the word's last letter, the override must still reach this word, whose
    // look-up refused it a moment ago.
    if (core.engine.word.wordActive && !core.engine.expansion.armed) LookUpWhileTyping(core);
}

// Both spacing hotkeys count as an expansion of the one key the user pressed.
void CountSpacing(Core& core, int saved) {
    ++core.stats.expansions;
    core.stats.keystrokesSaved += saved;
    core.windows.showStatisticsWhileTyping();
}

} // namespace

void RunPanelHotkeys(Core& core, const PassReadings& k) {
    if (!k.f11) return;
    if (k.ctrl && !k.shift)
        core.windows.toggleHighlightDisplay();
    else
        core.windows.cycleDisplayPanel();
    // The mode survives the session, as when it is chosen from the Options menu.
    core.db.settingsChanged = true;
    Pause(core.platform, kMessagePause);
}

void RunAltHotkeys(Core& core) {
    ApplyPendingSuffix(core);
    RunDictionaryHotkey(core);
    RunMultiClipboardHotkey(core);
    RunOverrideHotkey(core);
    RunCalculateHotkey(core);
}

void RunCalculateHotkey(Core& core) {
    if (PollKey(core.platform, 'C') == 0) return;
    WaitKeyAndAltUp(core.platform, 'C');
    core.windows.calculateCapturedClip();
}

bool RunCtrlHotkeys(Core& core) {
    Platform& p = core.platform;
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
    core.windows.captureCopyOrCut();
    return true;
}

bool RunSpacingHotkeys(Core& core, const PassReadings& k) {
    if (!k.ctrl) return false;
    const WordState& w = core.engine.word;
    const Options& o = core.options;
    Platform& p = core.platform;
    if (w.currentKey == vk::Space && o.ctrlSpaceCount > 0) {
        ReleaseCtrlKeys(p);
        TypeKeyScript(p, core.out, std::string(static_cast<std::size_t>(o.ctrlSpaceCount), ' '));
        CountSpacing(core, o.ctrlSpaceCount - 1);
        return true;
    }
    const bool quote = w.typedChar == '\'' || w.typedChar == '"';
    if (quote && o.ctrlQuoteCount > 0) {
        ReleaseCtrlKeys(p);
        TypeKeyScript(p, core.out,
                      " \b" + std::string(static_cast<std::size_t>(o.ctrlQuoteCount), ' ') + "\"");
        CountSpacing(core, o.ctrlQuoteCount);
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
