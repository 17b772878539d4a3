#include "engine/LookUp.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/DefineMode.h"
#include "engine/LookAhead.h"
#include "engine/MainLoop.h"
#include "keyout/KeyFlush.h"
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

bool IsStateMark(char c) {
    return c == mark::Activated || c == mark::Added;
}

bool UsableAtUseLevel(const Core& core, std::size_t wordLength, bool flagged) {
    const int level = core.options.useLevel;
    return level >= 9 || core.engine.expansion.useLevelOverride ||
           static_cast<int>(wordLength) <= level || flagged;
}

void ShowNoMatch(Core& core) {
    ExpansionState& x = core.engine.expansion;
    x.lastExpansionShown.clear();
    if (core.options.usePanel) {
        if (PanelMayHide(core.options))
            core.windows.hidePanel();
        else
            core.windows.setPanelCaption(" ");
    }
    if (x.previewLength > 11) core.windows.setPanelWidth(kPanelBaseWidth);
    core.windows.setMainCaption(kCaption);
}

// Types the completion after the caret and leaves it selected, so the user's next key replaces
// it. A line break shows as one, markers as they are shown, erasures applied.
void ShowHighlight(Core& core, std::string_view tail, const LocalTime& now) {
    Platform& p = core.platform;
    const std::string shown =
        ApplyErasures(ReplaceWithMarkers(tail, "`", "\r", MarkerMode::Display, now));
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

void ShowPreview(Core& core, std::string_view tail, std::string_view shownWord) {
    ExpansionState& x = core.engine.expansion;
    const Options& o = core.options;
    const LocalTime now = core.platform.localTime();
    x.fullPreview = std::string(shownWord) + std::string(tail);
    x.lastExpansionShown = ReplaceWithMarkers(x.fullPreview, "`", "`", MarkerMode::Display, now);
    // With the look-ahead list in view the user sees the longer forms there instead.
    std::string preview = x.lastExpansionShown;
    if (core.windows.mainWindowMinimized() || !o.lookAhead) preview += x.endOfListMark;
    x.previewLength =
        static_cast<std::int16_t>(std::min<std::size_t>(preview.size(), kLongestPreview));
    if (o.highlightDisplay) ShowHighlight(core, tail, now);
    if (o.usePanel) {
        core.windows.setPanelWidth(PanelWidthForPreview(x.previewLength));
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
    core.windows.setPanelCaption(preview);
    core.windows.setMainCaption("--> " + preview);
}

} // namespace

void ResetDisplay(Core& core) {
    if (core.options.usePanel) {
        if (PanelMayHide(core.options))
            core.windows.hidePanel();
        else
            core.windows.setPanelCaption("");
    }
    if (core.engine.expansion.previewLength > 11) core.windows.setPanelWidth(kPanelBaseWidth);
    core.windows.setMainCaption(kCaptionInWord);
}

void LookUpWhileTyping(Core& core) {
    const WordState& w = core.engine.word;
    ExpansionState& x = core.engine.expansion;
    x.highlightShown = false;
    if (!core.windows.mainWindowMinimized() && core.options.lookAhead) {
        ResetLookAhead(core);
        core.windows.setDisplayText("");
    }
    if (!w.wordActive) return ResetDisplay(core);
    const int g = GroupIndex(w.firstLetter);
    const std::string& group = core.db.groups[g];
    const std::string& word = w.currentWord;
    const std::size_t p = FindShortForm(core.engine.groupOrders[g], group, word);
    if (p == std::string::npos) return ShowNoMatch(core);

    // The stored expansion begins with a copy of the short form; the tail is what follows it.
    x.endOfListMark.clear();
    std::size_t recordEnd = group.find(CrLf, p + 2);
    if (recordEnd == std::string::npos) {
        recordEnd = group.size();
        x.endOfListMark = " <";
    }
    const std::size_t tailStart = std::min(p + 2 * word.size() + 3, recordEnd);
    std::string tail = group.substr(tailStart, recordEnd - tailStart);
    const bool flagged = !tail.empty() && IsStateMark(tail.back());
    if (flagged) tail.pop_back();
    x.unflaggedRecordEnd = flagged ? 0 : recordEnd;
    x.recordTail = tail;
    if (!UsableAtUseLevel(core, word.size(), flagged)) {
        x.armed = false;
        return ResetDisplay(core);
    }

    x.armed = true;
    if (w.capitalD && tail == kErasedAnd) tail = kErasedCapitalAnd;
    core.engine.word.capitalD = false;
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
    if (InNormalMode(core)) ShowPreview(core, tail, shownWord);
    x.pendingOutput = "\b" + x.eraseText + tail;
}
