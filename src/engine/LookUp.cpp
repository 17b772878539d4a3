#include "engine/LookUp.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/DefineMode.h"
#include "engine/LookAhead.h"
#include "engine/Matcher.h"
#include "keyout/KeyFlush.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <utility>

namespace {

MatchInput MatchInputOf(Core& core) {
    const WordState& w = core.engine.word;
    const Options& o = core.options;
    return {.word = w.currentWord,
            .firstLetter = w.firstLetter,
            .wordActive = w.wordActive,
            .capitalD = w.capitalD,
            .typedWord = w.typedWord,
            .keepCapitals = core.prefs.keepCapitals && !core.out.capsLock,
            .useLevel = o.useLevel,
            // A terminal would take the selecting Shift+Left as keys of its line editor.
            .highlightDisplay = o.highlightDisplay && !core.engine.targetProgram.terminal,
            .lookAheadInView = !core.windows.mainWindowMinimized() && o.lookAhead,
            .useLevelOverride = core.engine.expansion.useLevelOverride,
            .defineMode = !InNormalMode(core),
            .now = core.platform.localTime()};
}

// What the delimiter, activation and Alt+D read of the look-up's decision.
void KeepMatch(Core& core, Match& m) {
    ExpansionState& x = core.engine.expansion;
    switch (m.outcome) {
    case MatchOutcome::NotAWord:
        return;
    case MatchOutcome::NoRecord:
        x.lastExpansionShown.clear();
        return;
    case MatchOutcome::BelowUseLevel:
    case MatchOutcome::Armed:
        break;
    }
    x.endOfListMark = m.endOfListMark;
    x.unflaggedRecordEnd = m.unflaggedRecordEnd;
    x.recordTail = std::move(m.recordTail);
    x.armed = m.outcome == MatchOutcome::Armed;
    if (!x.armed) return;
    // The capital D is spent on the expansion it armed.
    core.engine.word.capitalD = false;
    x.eraseText = std::move(m.eraseText);
    x.pendingOutput = std::move(m.pendingOutput);
    if (!m.previewed) return;
    x.fullPreview = std::move(m.fullPreview);
    x.lastExpansionShown = std::move(m.lastExpansionShown);
    x.previewLength = m.previewLength;
}

// The panel hides or shows the given caption, back at its base width; the main window's caption
// says what the word is now.
void ClearPreview(Core& core, std::string_view panelCaption, std::string_view mainCaption) {
    if (core.options.usePanel) {
        if (PanelMayHide(core.options))
            core.windows.hidePanel();
        else
            core.windows.setPanelCaption(panelCaption);
    }
    if (core.engine.expansion.previewLength > 11) core.windows.setPanelWidth(kPanelBaseWidth);
    core.windows.setMainCaption(mainCaption);
}

void ShowNoMatch(Core& core) {
    ClearPreview(core, " ", kCaption);
}

// Types the completion after the caret and leaves it selected, so the user's next key replaces
// it.
void ShowHighlight(Core& core, const std::string& shown) {
    Platform& p = core.platform;
    p.doEvents();
    ReleaseShiftKeys(p);
    TypeKeyScript(p, core.out, shown);
    FlushOutputKeys(core.platform);
    p.keyEvent(vk::Shift, false);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        p.keyEvent(vk::Left, false);
        p.keyEvent(vk::Left, true);
    }
    ReleaseShiftKeys(p);
    PollKey(p, vk::Left);
    core.engine.expansion.highlightShown = true;
}

void ShowPreview(Core& core, const Match& m) {
    const Options& o = core.options;
    if (m.highlight) ShowHighlight(core, *m.highlight);
    if (o.usePanel) {
        core.windows.setPanelWidth(PanelWidthForPreview(m.previewLength));
        if (!o.panelAlwaysVisible) {
            core.windows.hidePanel();
            core.windows.showPanel();
        }
        if (o.panelAnchored) {
            core.windows.movePanel(o.panelLeft, o.panelTop);
        } else {
            core.windows.positionFloatingPanel();
        }
    }
    core.windows.setPanelCaption(m.preview);
    core.windows.setMainCaption("--> " + m.preview);
}

void ShowMatch(Core& core, const Match& m) {
    switch (m.outcome) {
    case MatchOutcome::NotAWord:
    case MatchOutcome::BelowUseLevel:
        return ResetDisplay(core);
    case MatchOutcome::NoRecord:
        return ShowNoMatch(core);
    case MatchOutcome::Armed:
        // While a definition is typed nothing is previewed, let alone typed as a suggestion.
        if (m.previewed) ShowPreview(core, m);
        return;
    }
}

} // namespace

void ResetDisplay(Core& core) {
    ClearPreview(core, "", kCaptionInWord);
}

void LookUpWhileTyping(Core& core) {
    core.engine.expansion.highlightShown = false;
    if (!core.windows.mainWindowMinimized() && core.options.lookAhead) {
        ResetLookAhead(core);
        core.windows.setDisplayText("");
    }
    Match m = MatchWord(core.db.groups, core.engine.groupOrders, MatchInputOf(core));
    KeepMatch(core, m);
    ShowMatch(core, m);
}
