#include "ui/Statistics.h"

#include "platform/text.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/Handlers.h"

#include <cmath>

namespace {

constexpr const char* kTitle = "Quibnote Statistics";

// A number as the statistics write it: one leading space, which a minus sign takes instead.
std::string Figure(long long n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

// Halves round up.
long long Rounded(double x) {
    return static_cast<long long>(std::floor(x + 0.5));
}

struct RecordCounts {
    int all = 0;
    int activated = 0;
    int added = 0;
};

RecordCounts CountRecords(const Database& db) {
    RecordCounts n;
    for (const std::string& group : db.groups) {
        for (const Record& r : RecordsOf(group)) {
            ++n.all;
            n.activated += r.mark == mark::Activated ? 1 : 0;
            n.added += r.mark == mark::Added ? 1 : 0;
        }
    }
    return n;
}

void ToggleWhileTyping(App& app) {
    app.options.statsWhileTyping = !app.options.statsWhileTyping;
    app.db.settingsChanged = true;
}

void ToggleAtClose(App& app) {
    app.options.statsAtClose = !app.options.statsAtClose;
    app.db.settingsChanged = true;
}

} // namespace

std::string StatisticsText(const SessionStats& stats, std::uint8_t mode) {
    const long long typed = stats.charsTyped;
    const long long saved = stats.keystrokesSaved;
    const double t = stats.typingSeconds;
    const bool speedKnown = t > 0 && typed >= 2;
    // Saved keystrokes can be negative (key tokens that typed nothing), so the sum is checked as
    // well as the typing.
    const bool effortKnown = typed >= 1 && typed + saved > 0;
    const std::string unknown = " Unknown";
    std::string text = " this session:\r\n\r\nTyping speed:";
    text += speedKnown ? Figure(Rounded(static_cast<double>(typed) * 12 / t)) + " wpm" : unknown;
    text += "\r\nTyping speed with Quibnote:";
    text += speedKnown ? Figure(Rounded(static_cast<double>(typed + saved) * 12 / t)) + " wpm"
                       : unknown;
    text += "\r\nCharacters produced:" + Figure(typed + saved);
    text += "\r\nCharacters typed in:" + Figure(typed);
    text += "\r\nKeystrokes saved:" + Figure(saved);
    text += "\r\nEffort saved:";
    text += effortKnown ? Figure(Rounded(static_cast<double>(saved) * 100 /
                                         static_cast<double>(typed + saved))) +
                              "%"
                        : unknown;
    text += "\r\nExpansions:" + Figure(stats.expansions);
    if (mode == 1 && !stats.activatedList.empty())
        text += "\r\n\r\nShort forms activated:\r\n" + stats.activatedList;
    return text;
}

void ShowStatisticsWindow(App& app) {
    const RecordCounts n = CountRecords(app.db);
    const std::string text =
        "So far" + StatisticsText(app.stats, 0) +
        "\r\n\r\nTotal number of short forms in Quibnote:" + Figure(n.all) +
        "\r\nNumber of Activated short forms:" + Figure(n.activated) +
        "\r\nNumber of Added short forms:" + Figure(n.added) +
        "\r\nSize of personal vocabulary:" + Figure(n.activated + n.added) +
        "\r\n\r\nHeight of Quibnote window in twips:" + Figure(app.frmKeyvane.rect.height);
    app.platform.messageBox(text, kTitle, MsgButtons::Ok, MsgIcon::Information);
}

void ShowStatisticsAtClose(App& app) {
    if (!app.options.statsAtClose) return;
    const std::string text =
        "In" + StatisticsText(app.stats, 1) + "\r\rShow this display in future?";
    if (app.platform.messageBox(text, kTitle, MsgButtons::YesNoCancel, MsgIcon::Information) ==
        MsgAnswer::No) {
        app.options.statsAtClose = false;
        app.db.settingsChanged = true;
    }
}

void ShowStatisticsWhileTyping(App& app) {
    const Options& o = app.options;
    if (app.frmKeyvane.state == WindowState::Minimized || !o.lookAhead || !o.statsWhileTyping)
        return;
    SetDisplayText(app, "So far" + StatisticsText(app.stats, 1));
}

void AddStatisticsHandlers(Handlers& h) {
    h.menus.emplace(kMnuPosition, ShowStatisticsWindow);
    h.menus.emplace(kMnuDispStatsTyping, ToggleWhileTyping);
    h.menus.emplace(kMnuDispStatsEnd, ToggleAtClose);
}
