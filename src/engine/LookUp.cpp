#include "engine/LookUp.h"

#include "app/App.h"
#include "engine/DefineMode.h"
#include "engine/Display.h"
#include "engine/LookAhead.h"
#include "engine/MainLoop.h"
#include "engine/Matcher.h"
#include "engine/WindowOps.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <utility>

namespace {

MatchInput MatchInputOf(App& app) {
    const WordState& w = app.engine.word;
    const Options& o = app.options;
    return {.word = w.currentWord,
            .firstLetter = w.firstLetter,
            .wordActive = w.wordActive,
            .capitalD = w.capitalD,
            .useLevel = o.useLevel,
            .highlightDisplay = o.highlightDisplay,
            .lookAheadInView = !MainWindowMinimized(app) && o.lookAhead,
            .useLevelOverride = app.engine.expansion.useLevelOverride,
            .defineMode = !InNormalMode(app),
            .now = app.platform.localTime()};
}

// What the delimiter, activation and Alt+D read of the look-up's decision.
void KeepMatch(App& app, Match& m) {
    ExpansionState& x = app.engine.expansion;
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
    app.engine.word.capitalD = false;
    x.eraseText = std::move(m.eraseText);
    x.pendingOutput = std::move(m.pendingOutput);
    if (!m.previewed) return;
    x.fullPreview = std::move(m.fullPreview);
    x.lastExpansionShown = std::move(m.lastExpansionShown);
    x.previewLength = m.previewLength;
}

void ShowNoMatch(App& app) {
    if (app.options.usePanel) {
        if (PanelMayHide(app))
            HidePanel(app);
        else
            SetPanelCaption(app, " ");
    }
    if (app.engine.expansion.previewLength > 11) SetPanelWidth(app, kPanelBaseWidth);
    SetMainCaption(app, kCaption);
}

// Types the completion after the caret and leaves it selected, so the user's next key replaces
// it.
void ShowHighlight(App& app, const std::string& shown) {
    Platform& p = app.platform;
    p.doEvents();
    ReleaseShiftKeys(p);
    TypeKeyScript(p, app.out, shown);
    FlushOutputKeys(app);
    p.keyEvent(vk::Shift, false);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        p.keyEvent(vk::Left, false);
        p.keyEvent(vk::Left, true);
    }
    ReleaseShiftKeys(p);
    PollKey(p, vk::Left);
    app.engine.expansion.highlightShown = true;
}

void ShowPreview(App& app, const Match& m) {
    const Options& o = app.options;
    if (m.highlight) ShowHighlight(app, *m.highlight);
    if (o.usePanel) {
        SetPanelWidth(app, PanelWidthForPreview(m.previewLength));
        if (!o.panelAlwaysVisible) {
            HidePanel(app);
            app.platform.showForm(app.frmKVDisp, false);
        }
        if (o.panelAnchored) {
            app.frmKVDisp.rect.top = o.panelTop;
            app.frmKVDisp.rect.left = o.panelLeft;
        } else {
            PositionFloatingPanel(app);
        }
    }
    SetPanelCaption(app, m.preview);
    SetMainCaption(app, "--> " + m.preview);
}

void ShowMatch(App& app, const Match& m) {
    switch (m.outcome) {
    case MatchOutcome::NotAWord:
    case MatchOutcome::BelowUseLevel:
        return ResetDisplay(app);
    case MatchOutcome::NoRecord:
        return ShowNoMatch(app);
    case MatchOutcome::Armed:
        // While a definition is typed nothing is previewed, let alone typed as a suggestion.
        if (m.previewed) ShowPreview(app, m);
        return;
    }
}

} // namespace

void ResetDisplay(App& app) {
    if (app.options.usePanel) {
        if (PanelMayHide(app))
            HidePanel(app);
        else
            SetPanelCaption(app, "");
    }
    if (app.engine.expansion.previewLength > 11) SetPanelWidth(app, kPanelBaseWidth);
    SetMainCaption(app, kCaptionInWord);
}

void LookUpWhileTyping(App& app) {
    app.engine.expansion.highlightShown = false;
    if (!MainWindowMinimized(app) && app.options.lookAhead) {
        ResetLookAhead(app);
        SetDisplayText(app, "");
    }
    Match m = MatchWord(app.db.groups, app.engine.groupOrders, MatchInputOf(app));
    KeepMatch(app, m);
    ShowMatch(app, m);
}
