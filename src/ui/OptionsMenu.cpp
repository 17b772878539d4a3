#include "ui/OptionsMenu.h"

#include "engine/Expander.h"
#include "keyout/KeyFlush.h"
#include "ui/App.h"
#include "ui/ColorDialog.h"
#include "ui/Handlers.h"
#include "ui/MainWindow.h"

namespace {

// The use-level entries, from only the activated short forms to all of them.
constexpr std::pair<const char*, int> kUseLevels[] = {
    {"mnuUseNone", 0},     {"mnuOneLetter", 1},    {"mnuTwoLetter", 2},
    {"mnuThreeLetter", 3}, {"mnuFourLetters", 4},  {"mnuFiveLetters", 5},
    {"mnuSixLetters", 6},  {"mnuSevenLetters", 7}, {"mnuAllForms", 9},
};

void Check(App& app, const char* name, bool checked) {
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, name)) item->checked = checked;
}

void Enable(App& app, const char* name, bool enabled) {
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

} // namespace

void RefreshOptionsMenu(App& app) {
    const Options& o = app.options;
    const struct {
        const char* name;
        const char* caption;
        bool checked;
    } switches[] = {
        {"mnuExpandOffOn", "Use Abbreviation Expander     F9", o.expanderOn},
        {"mnuLookAheadOffOn", "Look ahead for short forms", o.lookAhead},
        {"mnuSmallWindow", "Use small Quibnote window", o.smallWindow},
        {"mnuStartMin", "Start Quibnote Minimized", o.startMinimized},
        {"mnuCSFullSpeed", "Run Quibnote at full speed", o.fullSpeed},
        {"mnuTipOfDay", "Show &Pearls of Insight", o.tipAtStart},
        {"mnuProtect", "Use &Protected Mode", o.protectedMode},
        {"mnuCatchCopy", "&Add clips to multi-clipboard", o.addClipsToRing},
        {"mnuShowClipsOnCopy", "Display multi-&clipboard on copy", o.showClipsOnCopy},
    };
    for (const auto& s : switches) {
        if (MenuItem* item = FindMenuItem(app.frmKeyvane, s.name)) item->caption = s.caption;
        Check(app, s.name, s.checked);
    }
    Check(app, "mnuSmall", o.fontSize == 8);
    Check(app, "mnuMedium", o.fontSize == 10);
    Check(app, "mnuLarge", o.fontSize != 8 && o.fontSize != 10);
    Check(app, "mnuTagOnOff", o.activateUsedWords);
    Check(app, "mnuActiveOnlyDisp", o.activeOnlyLists);
    for (const auto& [name, level] : kUseLevels) Check(app, name, o.useLevel == level);
    Check(app, "mnuDispPanel", o.usePanel);
    Check(app, "mnuHighlightDisp", o.highlightDisplay);
    Check(app, "mnuAnchor", !o.panelAnchored);
    Check(app, "mnuVisibility", o.panelAlwaysVisible);
    Enable(app, "mnuAnchor", o.usePanel);
    Enable(app, "mnuVisibility", o.usePanel);
    Check(app, "mnuDispStatsTyping", o.statsWhileTyping);
    Check(app, "mnuDispStatsEnd", o.statsAtClose);
    RefreshColorMenu(app);
}

void AddOptionsMenuHandlers(Handlers& h) {
    h.menus.emplace("mnuOptions", RefreshOptionsMenu);
    h.menus.emplace("mnuExpandOffOn", ToggleExpanderByMenu);
    h.menus.emplace("mnuLookAheadOffOn", ToggleLookAhead);
    h.menus.emplace("mnuStartMin", [](App& app) { Flip(app, app.options.startMinimized); });
    h.menus.emplace("mnuCSFullSpeed", [](App& app) { Flip(app, app.options.fullSpeed); });
    h.menus.emplace("mnuTagOnOff", [](App& app) { Flip(app, app.options.activateUsedWords); });
    h.menus.emplace("mnuActiveOnlyDisp", ToggleActiveOnly);
    for (const auto& [name, level] : kUseLevels)
        h.menus.emplace(name, [level](App& app) {
            app.options.useLevel = level;
            AdjustDisplayAndStatus(app);
        });
    h.menus.emplace("mnuProtect", ToggleProtectedMode);
    // Adding clips is on at every start and never saved, so flipping it is no settings change.
    h.menus.emplace("mnuCatchCopy",
                    [](App& app) { app.options.addClipsToRing = !app.options.addClipsToRing; });
    h.menus.emplace("mnuShowClipsOnCopy", [](App& app) { Flip(app, app.options.showClipsOnCopy); });
}
