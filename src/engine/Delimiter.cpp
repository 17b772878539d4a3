#include "engine/Delimiter.h"

#include "app/App.h"
#include "engine/Activation.h"
#include "engine/CaretSearch.h"
#include "engine/DefineMode.h"
#include "engine/Display.h"
#include "engine/Hotkeys.h"
#include "engine/MainLoop.h"
#include "engine/WindowOps.h"
#include "engine/WordAssembly.h"
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
void CountFloatingPanelCycle(App& app) {
    if (!app.options.usePanel || app.options.panelAnchored) return;
    std::int16_t& cycle = app.engine.expansion.floatingPanelCycle;
    if (cycle == 2) {
        app.engine.fastCadence = true;
        return;
    }
    app.engine.fastCadence = false;
    if (++cycle >= 21) cycle = 1;
}

// The user's delimiter is already in the document after the short form: one Backspace takes it
// back, the erase marks take back letters of the short form, the completion follows, and then
// the delimiter again, except a backslash, which only asks for the expansion.
void TypeExpansion(App& app, const PassReadings& k) {
    Platform& p = app.platform;
    ExpansionState& x = app.engine.expansion;
    const LocalTime now = p.localTime();
    std::string output = RenderForTyping(x.pendingOutput, now);
    // An erase mark inside the completion erases as the leading ones do.
    std::replace(output.begin(), output.end(), mark::Erase, '\b');
    if (k.shift) {
        p.doEvents();
        ReleaseShiftKeys(p);
    }
    const std::string delimiter = app.engine.word.currentChar;
    const bool retyped = delimiter != "\\";
    TypeKeyScript(p, app.out, retyped ? output + delimiter : output);
    ++app.stats.expansions;
    app.stats.keystrokesSaved += Length(output) - 2 * Length(x.eraseText) - 2 +
                                 (retyped ? Length(delimiter) : 0) - app.out.keyTokenCorrection;
    app.out.keyTokenCorrection = 0;
    ShowStatisticsWhileTyping(app);
    x.pendingOutput.clear();
}

void ClearPreview(App& app) {
    if (PanelMayHide(app)) HidePanel(app);
    SetPanelCaption(app, "");
    if (app.engine.expansion.previewLength > 11) SetPanelWidth(app, kPanelBaseWidth);
    SetMainCaption(app, kCaptionInWord);
}

} // namespace

bool RunDelimiterSequence(App& app, const PassReadings& k) {
    Platform& p = app.platform;
    WordState& w = app.engine.word;
    ExpansionState& x = app.engine.expansion;
    if (w.currentKey == w.lastKey) return false;
    w.lastKey = w.currentKey;
    // Alt+Tab leaves for another window: the caret must be looked for anew.
    if (w.currentKey == vk::Tab && k.alt) x.floatingPanelCycle = 0;
    if (PanelMayHide(app)) HidePanel(app);
    w.wordActive = false;
    x.useLevelOverride = false;
    NoteDelimiterForCaretSearch(app);
    if (w.currentWord.empty()) x.pendingSuffix.clear();
    CountFloatingPanelCycle(app);
    ++app.stats.charsTyped;
    AccumulateTypingTime(app);
    DiscardShiftAndCapsLock(p);
    if (!MainWindowMinimized(app) && app.options.lookAhead) {
        app.engine.lookAhead.index = LookAheadState::kSuppressed;
        ShowStatisticsWhileTyping(app);
    }
    // The spaces typed stand after the short form: the expansion would erase them, not it.
    const bool spaced = RunSpacingHotkeys(app, k);
    if (w.currentChar == "\\" && k.ctrl) ToggleDefineMode(app);
    if (x.armed) {
        const bool keptBack = (k.shift && (w.currentChar == " " || w.currentChar == "\t")) ||
                              w.currentKey == vk::Oem3 || spaced;
        if (!keptBack && InNormalMode(app)) TypeExpansion(app, k);
        ClearPreview(app);
    }
    if (InNormalMode(app)) CheckVocabulary(app);
    if (InNormalMode(app))
        ApplyWordBoundary(app);
    else
        DefineModeBoundary(app);
    x.armed = false;
    PollKey(p, vk::OemPlus);
    for (std::uint8_t digit = vk::Key0; digit <= vk::Key9; ++digit) PollKey(p, digit);
    if (w.currentKey == vk::Oem3) {
        // The back-quote only kept the expansion back; it leaves no trace in the document.
        w.wordStartCount = 0;
        TypeKeyScript(p, app.out, "\b");
    }
    DiscardShiftAndCapsLock(p);
    return true;
}
