#include "engine/LookUp.h"

#include "app/App.h"
#include "engine/DefineMode.h"
#include "engine/Display.h"
#include "engine/LookAhead.h"
#include "engine/MainLoop.h"
#include "engine/WindowOps.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "store/Markers.h"

#include <algorithm>

namespace {

constexpr int kLongestPreview = 70;
// The record of the short form d: a Shift+D before it makes the expansion a capital And.
constexpr std::string_view kErasedAnd = "\xA1"
                                        "and";
constexpr std::string_view kErasedCapitalAnd = "\xA1"
                                               "And";

bool UsableAtUseLevel(const App& app, std::size_t wordLength, bool flagged) {
    const int level = app.options.useLevel;
    return level >= 9 || app.engine.expansion.useLevelOverride ||
           static_cast<int>(wordLength) <= level || flagged;
}

void ShowNoMatch(App& app) {
    ExpansionState& x = app.engine.expansion;
    x.lastExpansionShown.clear();
    if (app.options.usePanel) {
        if (PanelMayHide(app))
            HidePanel(app);
        else
            SetPanelCaption(app, " ");
    }
    if (x.previewLength > 11) SetPanelWidth(app, kPanelBaseWidth);
    SetMainCaption(app, kCaption);
}

// Types the completion after the caret and leaves it selected, so the user's next key replaces
// it. A line break shows as one, markers as they are shown, erasures applied.
void ShowHighlight(App& app, std::string_view tail, const LocalTime& now) {
    Platform& p = app.platform;
    const std::string shown =
        ApplyErasures(ReplaceWithMarkers(tail, "`", "\r", MarkerMode::Display, now));
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

void ShowPreview(App& app, std::string_view tail, std::string_view shownWord) {
    ExpansionState& x = app.engine.expansion;
    const Options& o = app.options;
    const LocalTime now = app.platform.localTime();
    x.fullPreview = std::string(shownWord) + std::string(tail);
    x.lastExpansionShown = ReplaceWithMarkers(x.fullPreview, "`", "`", MarkerMode::Display, now);
    // With the look-ahead list in view the user sees the longer forms there instead.
    std::string preview = x.lastExpansionShown;
    if (MainWindowMinimized(app) || !o.lookAhead) preview += x.endOfListMark;
    x.previewLength =
        static_cast<std::int16_t>(std::min<std::size_t>(preview.size(), kLongestPreview));
    if (o.highlightDisplay) ShowHighlight(app, tail, now);
    if (o.usePanel) {
        SetPanelWidth(app, PanelWidthForPreview(x.previewLength));
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
    SetPanelCaption(app, preview);
    SetMainCaption(app, "--> " + preview);
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
    const WordState& w = app.engine.word;
    ExpansionState& x = app.engine.expansion;
    x.highlightShown = false;
    if (!MainWindowMinimized(app) && app.options.lookAhead) {
        ResetLookAhead(app);
        SetDisplayText(app, "");
    }
    if (!w.wordActive) return ResetDisplay(app);
    const int g = GroupIndex(w.firstLetter);
    const std::string& group = app.db.groups[g];
    const std::string& word = w.currentWord;
    const std::optional<Record> r = FindShortForm(app.engine.groupOrders[g], group, word);
    if (!r) return ShowNoMatch(app);

    // The stored expansion begins with a copy of the short form; the tail is what follows it.
    x.endOfListMark.clear();
    const std::size_t recordEnd = r->end;
    if (recordEnd == group.size()) x.endOfListMark = " <";
    // A stored text shorter than its short form has no tail, and so no state mark after one.
    const bool whole = r->stored.size() >= word.size();
    std::string tail(whole ? r->stored.substr(word.size()) : std::string_view());
    const bool flagged = whole && r->mark != '\0';
    x.unflaggedRecordEnd = flagged ? 0 : recordEnd;
    x.recordTail = tail;
    if (!UsableAtUseLevel(app, word.size(), flagged)) {
        x.armed = false;
        return ResetDisplay(app);
    }

    x.armed = true;
    if (w.capitalD && tail == kErasedAnd) tail = kErasedCapitalAnd;
    app.engine.word.capitalD = false;
    std::string shownWord = word;
    x.eraseText.clear();
    while (!tail.empty() && tail.front() == mark::Erase) {
        tail.erase(0, 1);
        x.eraseText += '\b';
        if (!shownWord.empty()) shownWord.pop_back();
    }
    // The next record begins with the word: a longer short form continues it.
    if (x.endOfListMark.empty() && group.compare(recordEnd + 2, word.size(), word) != 0)
        x.endOfListMark = " <";
    // While a definition is typed nothing is previewed, let alone typed as a suggestion.
    if (InNormalMode(app)) ShowPreview(app, tail, shownWord);
    x.pendingOutput = "\b" + x.eraseText + tail;
}
