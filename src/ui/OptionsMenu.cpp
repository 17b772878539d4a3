#include "ui/OptionsMenu.h"

#include "engine/Expander.h"
#include "engine/TargetProgram.h"
#include "keyout/KeyFlush.h"
#include "store/KnownPrograms.h"
#include "store/Preferences.h"
#include "ui/App.h"
#include "ui/ColorDialog.h"
#include "ui/ControlNames.h"
#include "ui/Handlers.h"
#include "ui/MainWindow.h"

namespace {

constexpr std::string_view kPauseHereCaption = "Paus&e in this application";

// The use-level entries, from only the activated short forms to all of them.
constexpr std::pair<std::string_view, int> kUseLevels[] = {
    {kMnuUseNone, 0},     {kMnuOneLetter, 1},    {kMnuTwoLetter, 2},
    {kMnuThreeLetter, 3}, {kMnuFourLetters, 4},  {kMnuFiveLetters, 5},
    {kMnuSixLetters, 6},  {kMnuSevenLetters, 7}, {kMnuAllForms, 9},
};

void Check(App& app, std::string_view name, bool checked) {
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, name)) item->checked = checked;
}

void Enable(App& app, std::string_view name, bool enabled) {
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, name)) item->enabled = enabled;
}

void Flip(App& app, bool& option) {
    option = !option;
    app.db.settingsChanged = true;
}

void ToggleLookAhead(App& app) {
    app.options.lookAhead = !app.options.lookAhead;
    AdjustDisplayAndStatus(app);
    FlushLetterKeys(app.platform);
}

void ToggleActiveOnly(App& app) {
    app.options.activeOnlyLists = !app.options.activeOnlyLists;
    AdjustDisplayAndStatus(app);
}

void ToggleProtectedMode(App& app) {
    app.options.protectedMode = !app.options.protectedMode;
    app.db.settingsChanged = true;
    app.db.databaseChanged = true;
}

// The preferences take the change only once QNPrefs.ini holds it, so that what the menu shows
// is what the next start reads; otherwise the user is told and nothing changes.
bool SavePreferenceChange(App& app, Preferences changed, std::string_view what) {
    const FileStatus saved = SavePreferences(app.platform, changed);
    if (!saved.ok) {
        app.platform.messageBox("Quibnote could not save the preference in " +
                                    std::string(PreferencesFileName) + ", so " + std::string(what) +
                                    " is as it was.\r\n" + saved.error,
                                "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    app.prefs = std::move(changed);
    return true;
}

void ToggleKeepCapitals(App& app) {
    Preferences changed = app.prefs;
    changed.keepCapitals = !changed.keepCapitals;
    SavePreferenceChange(app, std::move(changed), "keeping the capitals");
}

// The program in front is the one the expander types into: the user's own windows, where the
// menu is chosen, never count.
void TogglePauseHere(App& app) {
    const std::string& program = app.engine.targetProgram.name;
    if (program.empty()) return;
    if (SavePreferenceChange(app, WithPauseToggled(app.prefs, program),
                             "the pause in this application"))
        NoteTargetProgram(app);
}

// The desktop's entry first, then the preference; when the preference cannot be saved the entry
// is put back, so that the menu, the file and the desktop never disagree after a restart.
void ToggleStartAtLogin(App& app) {
    Platform& p = app.platform;
    const bool on = !app.prefs.startAtLogin;
    const FileStatus entry = p.setStartAtLogin(on);
    if (!entry.ok) {
        p.messageBox(std::string("Quibnote could not ") +
                         (on ? "add itself to" : "remove itself from") +
                         " the programs started at login.\r\n" + entry.error,
                     "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    Preferences changed = app.prefs;
    changed.startAtLogin = on;
    if (!SavePreferenceChange(app, std::move(changed), "the start at login"))
        static_cast<void>(p.setStartAtLogin(!on));
}

} // namespace

void RefreshOptionsMenu(App& app) {
    const Options& o = app.options;
    const struct {
        std::string_view name;
        const char* caption;
        bool checked;
    } switches[] = {
        {kMnuExpandOffOn, "Use Abbreviation Expander     F9", o.expanderOn},
        {kMnuLookAheadOffOn, "Look ahead for short forms", o.lookAhead},
        {kMnuSmallWindow, "Use small Quibnote window", o.smallWindow},
        {kMnuStartMin, "Start Quibnote Minimized", o.startMinimized},
        {kMnuCSFullSpeed, "Run Quibnote at full speed", o.fullSpeed},
        {kMnuTipOfDay, "Show &Pearls of Insight", o.tipAtStart},
        {kMnuProtect, "Use &Protected Mode", o.protectedMode},
        {kMnuCatchCopy, "&Add clips to multi-clipboard", o.addClipsToRing},
        {kMnuShowClipsOnCopy, "Display multi-&clipboard on copy", o.showClipsOnCopy},
    };
    for (const auto& s : switches) {
        if (MenuItem* item = FindMenuItem(app.frmKeyvane, s.name)) item->caption = s.caption;
        Check(app, s.name, s.checked);
    }
    Check(app, kMnuStartAtLogin, app.prefs.startAtLogin);
    Check(app, kMnuKeepCase, app.prefs.keepCapitals);
    const TargetProgramState& front = app.engine.targetProgram;
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, kMnuPauseHere))
        item->caption = std::string(kPauseHereCaption) +
                        (front.name.empty() ? std::string() : " (" + front.name + ")");
    Check(app, kMnuPauseHere, front.paused);
    Enable(app, kMnuPauseHere, !front.name.empty());
    Check(app, kMnuSmall, o.fontSize == 8);
    Check(app, kMnuMedium, o.fontSize == 10);
    Check(app, kMnuLarge, o.fontSize != 8 && o.fontSize != 10);
    Check(app, kMnuTagOnOff, o.activateUsedWords);
    Check(app, kMnuActiveOnlyDisp, o.activeOnlyLists);
    for (const auto& [name, level] : kUseLevels) Check(app, name, o.useLevel == level);
    Check(app, kMnuDispPanel, o.usePanel);
    Check(app, kMnuHighlightDisp, o.highlightDisplay);
    Check(app, kMnuAnchor, !o.panelAnchored);
    Check(app, kMnuVisibility, o.panelAlwaysVisible);
    Enable(app, kMnuAnchor, o.usePanel);
    Enable(app, kMnuVisibility, o.usePanel);
    Check(app, kMnuDispStatsTyping, o.statsWhileTyping);
    Check(app, kMnuDispStatsEnd, o.statsAtClose);
    RefreshColorMenu(app);
}

void AddOptionsMenuHandlers(Handlers& h) {
    h.menus.emplace(kMnuOptions, RefreshOptionsMenu);
    h.menus.emplace(kMnuExpandOffOn, ToggleExpanderByMenu);
    h.menus.emplace(kMnuLookAheadOffOn, ToggleLookAhead);
    h.menus.emplace(kMnuStartMin, [](App& app) { Flip(app, app.options.startMinimized); });
    h.menus.emplace(kMnuStartAtLogin, ToggleStartAtLogin);
    h.menus.emplace(kMnuKeepCase, ToggleKeepCapitals);
    h.menus.emplace(kMnuPauseHere, TogglePauseHere);
    h.menus.emplace(kMnuCSFullSpeed, [](App& app) { Flip(app, app.options.fullSpeed); });
    h.menus.emplace(kMnuTagOnOff, [](App& app) { Flip(app, app.options.activateUsedWords); });
    h.menus.emplace(kMnuActiveOnlyDisp, ToggleActiveOnly);
    for (const auto& [name, level] : kUseLevels)
        h.menus.emplace(name, [level](App& app) {
            app.options.useLevel = level;
            AdjustDisplayAndStatus(app);
        });
    h.menus.emplace(kMnuProtect, ToggleProtectedMode);
    // Adding clips is on at every start and never saved, so flipping it is no settings change.
    h.menus.emplace(kMnuCatchCopy,
                    [](App& app) { app.options.addClipsToRing = !app.options.addClipsToRing; });
    h.menus.emplace(kMnuShowClipsOnCopy, [](App& app) { Flip(app, app.options.showClipsOnCopy); });
}
