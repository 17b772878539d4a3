#include "engine/Delimiter.h"

#include "engine/Activation.h"
#include "engine/Captions.h"
#include "engine/CaretSearch.h"
#include "engine/Core.h"
#include "engine/DefineMode.h"
#include "engine/Hotkeys.h"
#include "engine/KeyClassification.h"
#include "engine/MainLoop.h"
#include "engine/WordAssembly.h"
#include "keyout/KeyFlush.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "store/Markers.h"

#include <algorithm>

namespace {

std::int32_t Length(std::string_view s) {
    return static_cast<std::int32_t>(s.size());
}

// The floating panel looks for the caret on the second delimiter of every twenty.
void CountFloatingPanelCycle(Core& core) {
    if (!core.options.usePanel || core.options.panelAnchored) return;
    std::int16_t& cycle = core.engine.expansion.floatingPanelCycle;
    if (cycle == 2) {
        core.engine.fastCadence = true;
        return;
    }
    core.engine.fastCadence = false;
    if (++cycle >= 21) cycle = 1;
}

// The user's delimiter is already in the document after the short form: one Backspace takes it
// back, the erase marks take back letters of the short form, the completion follows, and then
// the delimiter again, except a backslash, which only asks for the expansion.
struct ExpansionKeys {
    std::string output; // the pending output as typed
    std::string after;  // the delimiter again, or nothing
};

ExpansionKeys KeysOfExpansion(Core& core) {
    ExpansionKeys keys;
    keys.output = RenderForTyping(core.engine.expansion.pendingOutput, core.platform.localTime());
    // An erase mark inside the completion erases as the leading ones do.
    std::replace(keys.output.begin(), keys.output.end(), mark::Erase, '\b');
    const std::string& delimiter = core.engine.word.currentChar;
    if (delimiter != "\\") keys.after = delimiter;
    return keys;
}

void TypeExpansion(Core& core, const PassReadings& k, const ExpansionKeys& keys) {
    Platform& p = core.platform;
    ExpansionState& x = core.engine.expansion;
    if (k.shift) {
        p.doEvents();
        ReleaseShiftKeys(p);
    }
    // Held for the user's character, AltGr would change every key of the expansion.
    if (core.engine.word.typedWithAltGr) {
        ReleaseCtrlKeys(p);
        ReleaseAltKeys(p);
    }
    const std::string& output = keys.output;
    // A key the expansion's script holds must not change the delimiter typed after it.
    TypeKeyScript(p, core.out, output, keys.after);
    ++core.stats.expansions;
    core.stats.keystrokesSaved += Length(output) - 2 * Length(x.eraseText) - 2 +
                                  Length(keys.after) - core.out.keyTokenCorrection;
    core.out.keyTokenCorrection = 0;
    core.windows.showStatisticsWhileTyping();
    x.pendingOutput.clear();
}

void ClearPreview(Core& core) {
    if (PanelMayHide(core.options)) core.windows.hidePanel();
    core.windows.setPanelCaption("");
    if (core.engine.expansion.previewLength > 11) core.windows.setPanelWidth(kPanelBaseWidth);
    core.windows.setMainCaption(kCaptionInWord);
}

} // namespace

bool RunDelimiterSequence(Core& core, const PassReadings& k) {
    Platform& p = core.platform;
    WordState& w = core.engine.word;
    ExpansionState& x = core.engine.expansion;
    if (w.currentKey == w.lastKey) return false;
    w.lastKey = w.currentKey;
    // Alt+Tab leaves for another window: the caret must be looked for anew.
    if (w.currentKey == vk::Tab && k.alt) x.floatingPanelCycle = 0;
    if (PanelMayHide(core.options)) core.windows.hidePanel();
    w.wordActive = false;
    x.useLevelOverride = false;
    NoteDelimiterForCaretSearch(core);
    if (w.currentWord.empty()) x.pendingSuffix.clear();
    CountFloatingPanelCycle(core);
    ++core.stats.charsTyped;
    AccumulateTypingTime(core);
    DiscardShiftAndCapsLock(p);
    if (!core.windows.mainWindowMinimized() && core.options.lookAhead) {
        core.engine.lookAhead.index = LookAheadState::kSuppressed;
        core.windows.showStatisticsWhileTyping();
    }
    // The spaces typed stand after the short form: the expansion would erase them, not it.
    const bool spaced = RunSpacingHotkeys(core, k);
    if (w.currentChar == "\\" && k.ctrl) {
        // Typed with AltGr the backslash reached the document; the hotkey leaves no trace.
        if (w.typedWithAltGr) {
            ReleaseCtrlKeys(p);
            ReleaseAltKeys(p);
            TypeKeyScript(p, core.out, "\b");
        }
        ToggleDefineMode(core);
    }
    if (x.armed) {
        const bool keptBack = (k.shift && (w.currentChar == " " || w.currentChar == "\t")) ||
                              IsSuppressorChar(w.typedChar) || spaced;
        const ExpansionKeys keys = KeysOfExpansion(core);
        // A terminal takes Enter, Tab and control keys as commands: after Enter the shell has run
        // the line with the short form before any expansion could reach it.
        const bool commandKeys =
            core.engine.targetProgram.terminal &&
            (SendsCommandKeys(keys.output, false) || SendsCommandKeys(keys.after, true));
        // Nothing was used, so nothing is activated.
        if (commandKeys) x.unflaggedRecordEnd = 0;
        if (!keptBack && !commandKeys && InNormalMode(core)) TypeExpansion(core, k, keys);
        ClearPreview(core);
    }
    if (InNormalMode(core)) CheckVocabulary(core);
    if (InNormalMode(core))
        ApplyWordBoundary(core);
    else
        DefineModeBoundary(core);
    x.armed = false;
    PollKey(p, vk::OemPlus);
    for (std::uint8_t digit = vk::Key0; digit <= vk::Key9; ++digit) PollKey(p, digit);
    if (IsSuppressorChar(w.typedChar)) {
        // The back-quote only kept the expansion back; it leaves no trace in the document.
        w.wordStartCount = 0;
        TypeKeyScript(p, core.out, "\b");
    }
    DiscardShiftAndCapsLock(p);
    return true;
}
