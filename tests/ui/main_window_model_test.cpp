#include "ui/MainWindowModel.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

void CollectNames(const std::vector<MenuItem>& items, std::vector<std::string>& names) {
    for (const MenuItem& item : items) {
        if (!item.name.empty()) names.push_back(item.name);
        CollectNames(item.items, names);
    }
}

// The menu that directly holds `name`; null for a top-level menu.
const MenuItem* ParentOf(const std::vector<MenuItem>& items, const std::string& name,
                         const MenuItem* parent) {
    for (const MenuItem& item : items) {
        if (item.name == name) return parent;
        if (const MenuItem* found = ParentOf(item.items, name, &item)) return found;
    }
    return nullptr;
}

std::vector<std::string> ChildNames(const MenuItem& menu) {
    std::vector<std::string> names;
    for (const MenuItem& item : menu.items) names.push_back(item.name);
    return names;
}

void ExpectSeparatorsAreBare(const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.name.empty()) {
            EXPECT_EQ(item.caption, "-");
            EXPECT_TRUE(item.items.empty());
        } else {
            EXPECT_NE(item.caption, "-") << item.name;
        }
        ExpectSeparatorsAreBare(item.items);
    }
}

} // namespace

TEST(MainWindowMenus, EveryNameIsUniqueAndSeparatorsAreBare) {
    const Form form = MakeMainWindowForm();
    std::vector<std::string> names;
    CollectNames(form.menus, names);
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    // Every entry the program offers: losing one silently would orphan its handler.
    EXPECT_EQ(names.size(), 124u);
    ExpectSeparatorsAreBare(form.menus);
}

TEST(MainWindowMenus, TopLevelMenusInOrder) {
    const Form form = MakeMainWindowForm();
    std::vector<std::string> names;
    for (const MenuItem& menu : form.menus) names.push_back(menu.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"mnuFile", "mnuEdit", "mnuPick", "mnuOptions", "mnuHelp"}));
    // The Quib menu is a command of its own, not a drop-down.
    EXPECT_TRUE(form.menus[2].items.empty());
}

TEST(MainWindowMenus, CaptionsAndPlacementAcrossTheTree) {
    Form form = MakeMainWindowForm();
    const struct {
        const char* name;
        const char* caption;
        const char* parent; // "" for a top-level menu
    } cases[] = {
        {"mnuFile", "&File", ""},
        {"mnuExport", "&Export database", "mnuFile"},
        {"mnuCustListRemove", "&Remove Custom List", "mnuFile"},
        {"mnuExit", "E&xit and save", "mnuFile"},
        {"mnuExitNoSave", "Exit and &don't save", "mnuFile"},
        {"mnuEdit", "&Edit", ""},
        {"mnuAddSF", "&Add, Edit or Delete a short form", "mnuEdit"},
        {"mnuCCP", "Copy, Calculate && Paste Result", "mnuEdit"},
        {"mnuCalcPaste", "Calculate && Paste &Result (='CPaste')", "mnuEdit"},
        {"mnuMultiPaste", "Paste from &last 9 clips ('MPaste')  Alt+P", "mnuEdit"},
        {"mnuPasteToPick", "Paste to Quib &List (='CLPaste')", "mnuEdit"},
        {"mnuPasteCC", "Paste Constants && Conversion factors:", "mnuEdit"},
        {"mnuHeadingConv", "CONVERSION FACTORS, to convert:", "mnuPasteCC"},
        {"mnuSqMToSqFt", "Meters\xB2 to feet\xB2 <smtsf> = 10.76..", "mnuPasteCC"},
        {"mnuPasteFormulas", "Paste Formulas (with sample inputs):", "mnuEdit"},
        {"mnuHex", "Convert to &hexadecimal <hex Num>", "mnuPasteFormulas"},
        {"mnuComment", "Comment (contents not calculated) [ ]", "mnuPasteFormulas"},
        {"mnuPick", "&Quib", ""},
        {"mnuOptions", "&Options", ""},
        {"mnuExpandOffOn", "ExpSw", "mnuOptions"},
        {"mnuLookAheadOffOn", "LASw", "mnuOptions"},
        {"mnuTipOfDay", "TipSw", "mnuOptions"},
        {"mnuProtect", "PrMdSw", "mnuOptions"},
        {"mnuCatchCopy", "CatchSw", "mnuOptions"},
        {"mnuShowClipsOnCopy", "ClpSw", "mnuOptions"},
        {"mnuCtrlSpace", "C&ustomize Ctrl + Space && Ctrl + \"", "mnuOptions"},
        {"mnuMRNormal", "&Middle right of screen", "mnuSizePos"},
        {"mnuReturnStartup", "Return to &startup position and size", "mnuSizePos"},
        {"mnuLarge", "&Large", "mnuFont"},
        {"mnuActiveOnlyDisp", "&Show only active forms in a - z lists", "mnuVocab"},
        {"mnuAllForms", "Use &All available short forms", "mnuVocab"},
        {"mnuAnchor", "Let display panel &float above typing     F11", "mnuFloatingDisplay"},
        {"mnuHighlightDisp", "Use &Highlight Display     Ctrl + F11", "mnuFloatingDisplay"},
        {"mnuDefPickColor", "Default &Quib List color", "mnuChooseColor"},
        {"mnuListUpToSevenTwelve", "Up to 9 &letters saving 12 or more keystrokes",
         "mnuDisplayLists"},
        {"mnuDispStatsEnd", "Display statistics at close of program", "mnuStatsDisp"},
        {"mnuHelp", "&Help", ""},
        {"mnuAboutKeyvane", "&About Quibnote", "mnuHelp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuItem* item = FindMenuItem(form, c.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->caption, c.caption);
        const MenuItem* parent = ParentOf(form.menus, c.name, nullptr);
        EXPECT_EQ(parent ? parent->name : std::string(), c.parent);
    }
}

TEST(MainWindowMenus, OptionsMenuKeepsItsOrder) {
    Form form = MakeMainWindowForm();
    EXPECT_EQ(ChildNames(*FindMenuItem(form, "mnuOptions")),
              (std::vector<std::string>{
                  "mnuExpandOffOn",     "mnuLookAheadOffOn", "mnuKeepCase",     "mnuPauseHere",
                  "mnuSmallWindow",     "mnuStartMin",       "mnuStartAtLogin", "mnuCSFullSpeed",
                  "mnuPosition",        "mnuSizePos",        "mnuFont",         "mnuVocab",
                  "mnuFloatingDisplay", "mnuChooseColor",    "mnuDisplayLists", "mnuStatsDisp",
                  "mnuCtrlSpace",       "mnuTipOfDay",       "mnuProtect",      "mnuCatchCopy",
                  "mnuShowClipsOnCopy"}));
    // The use levels follow a separator, from none to all.
    EXPECT_EQ(ChildNames(*FindMenuItem(form, "mnuVocab")),
              (std::vector<std::string>{"mnuTagOnOff", "mnuActiveOnlyDisp", "", "mnuUseNone",
                                        "mnuOneLetter", "mnuTwoLetter", "mnuThreeLetter",
                                        "mnuFourLetters", "mnuFiveLetters", "mnuSixLetters",
                                        "mnuSevenLetters", "mnuAllForms"}));
}

TEST(MainWindowMenus, FormulaSubmenusListEverySampleUnderItsHeading) {
    Form form = MakeMainWindowForm();
    const std::vector<std::string> conversions = ChildNames(*FindMenuItem(form, "mnuPasteCC"));
    ASSERT_EQ(conversions.size(), 21u);
    EXPECT_EQ(conversions[0], "mnuHeadingConst");
    EXPECT_EQ(conversions[1], "mnuPastePi");
    EXPECT_EQ(conversions[3], "mnuHeadingConv");
    EXPECT_EQ(conversions.back(), "mnuPSTLY");
    const std::vector<std::string> formulas = ChildNames(*FindMenuItem(form, "mnuPasteFormulas"));
    ASSERT_EQ(formulas.size(), 15u);
    EXPECT_EQ(formulas.front(), "mnuSine");
    EXPECT_EQ(formulas.back(), "mnuComment");
}

TEST(MainWindowMenus, StartUpStateOfTheDatabaseItems) {
    Form form = MakeMainWindowForm();
    const MenuItem* original = FindMenuItem(form, "mnuOriginalDB");
    const MenuItem* custom = FindMenuItem(form, "mnuCustomDB");
    ASSERT_NE(original, nullptr);
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(original->caption, "Using Original database");
    EXPECT_FALSE(original->enabled);
    EXPECT_EQ(custom->caption, "Change to &Custom database");
    EXPECT_TRUE(custom->enabled);
}

TEST(MainWindowMenus, FindMenuItemReachesNestedEntriesForChange) {
    Form form = MakeMainWindowForm();
    MenuItem* medium = FindMenuItem(form, "mnuMedium");
    ASSERT_NE(medium, nullptr);
    medium->checked = true;
    EXPECT_TRUE(FindMenuItem(form, "mnuMedium")->checked);
    EXPECT_FALSE(FindMenuItem(form, "mnuSmall")->checked);
    EXPECT_EQ(FindMenuItem(form, "mnuNoSuchEntry"), nullptr);
    // A submenu found by name holds its own entries.
    MenuItem* size = FindMenuItem(form, "mnuSizePos");
    ASSERT_NE(size, nullptr);
    EXPECT_NE(FindMenuItem(size->items, "mnuBRSmall"), nullptr);
    EXPECT_EQ(FindMenuItem(size->items, "mnuSmall"), nullptr);
}

TEST(MainWindowControls, LetterButtonsSitSideBySide) {
    Form form = MakeMainWindowForm();
    const struct {
        int index;
        const char* caption;
        int left;
        int width;
    } cases[] = {
        {0, "a", 575, 135},   {11, "l", 1895, 135}, {12, "m", 2015, 165},
        {13, "n", 2135, 135}, {22, "w", 3215, 165}, {25, "z", 3575, 135},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const Control* button = FindControl(form, "cmdAtoZ", c.index);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->kind, ControlKind::Button);
        EXPECT_EQ(button->caption, c.caption);
        EXPECT_EQ(button->rect.left, c.left);
        EXPECT_EQ(button->rect.top, 2760);
        EXPECT_EQ(button->rect.width, c.width);
        EXPECT_EQ(button->rect.height, 225);
    }
    EXPECT_EQ(FindControl(form, "cmdAtoZ", 26), nullptr);
    EXPECT_EQ(FindControl(form, "cmdAtoZ"), nullptr);
}

TEST(MainWindowControls, WindowCommandButtonsAndDisplayBox) {
    Form form = MakeMainWindowForm();
    EXPECT_EQ(form.name, "frmKeyvane");
    EXPECT_EQ(form.caption, "Quibnote");
    EXPECT_TRUE(form.topmost);
    EXPECT_EQ(form.rect.top, 2150);
    EXPECT_EQ(form.rect.left, 13300);
    EXPECT_EQ(form.rect.height, 7950);
    EXPECT_EQ(form.rect.width, 4060);

    const Control* display = FindControl(form, "txtDisplay");
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->kind, ControlKind::TextBox);
    EXPECT_TRUE(display->multiLine);
    EXPECT_EQ(display->color, 0xFF9090u);
    // The box stays above the letter buttons.
    EXPECT_LE(display->rect.top + display->rect.height, 2760);

    const struct {
        const char* name;
        const char* caption;
        TwipRect rect;
    } buttons[] = {
        {"cmdIntro", "Intro", {60, 2790, 435, 225}},
        {"cmdCopy", "Copy", {120, 3150, 855, 255}},
        {"cmdCPaste", "CPaste", {990, 3150, 885, 255}},
        {"cmdCSPaste", "CLPaste", {1890, 3150, 885, 255}},
        {"cmdMPaste", "MPaste", {2790, 3150, 885, 255}},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        const Control* button = FindControl(form, b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->caption, b.caption);
        EXPECT_EQ(button->rect.left, b.rect.left);
        EXPECT_EQ(button->rect.top, b.rect.top);
        EXPECT_EQ(button->rect.width, b.rect.width);
        EXPECT_EQ(button->rect.height, b.rect.height);
        EXPECT_EQ(button->color, 0xFFC0C0u);
    }
}

TEST(DisplayPanel, BorderlessTopmostWithAnEmptyLabel) {
    Form panel = MakeDisplayPanelForm();
    EXPECT_EQ(panel.name, "frmKVDisp");
    EXPECT_TRUE(panel.borderless);
    EXPECT_TRUE(panel.topmost);
    EXPECT_TRUE(panel.menus.empty());
    ASSERT_EQ(panel.controls.size(), 1u);
    Control* label = FindControl(panel, "lblKVDisp");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->kind, ControlKind::Label);
    EXPECT_EQ(label->caption, "");
    EXPECT_EQ(label->color, 0x3CD5C2u);
    EXPECT_EQ(label->rect.left, 90);
    EXPECT_EQ(label->rect.height, panel.rect.height);
}
