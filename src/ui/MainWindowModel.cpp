#include "ui/MainWindowModel.h"

#include "calc/FormulaSamples.h"

#include <string>
#include <utility>
#include <vector>

namespace {

MenuItem Item(std::string name, std::string caption) {
    MenuItem item;
    item.name = std::move(name);
    item.caption = std::move(caption);
    return item;
}

MenuItem Disabled(std::string name, std::string caption) {
    MenuItem item = Item(std::move(name), std::move(caption));
    item.enabled = false;
    return item;
}

MenuItem Separator() {
    return Item("", "-");
}

MenuItem Menu(std::string name, std::string caption, std::vector<MenuItem> items) {
    MenuItem menu = Item(std::move(name), std::move(caption));
    menu.items = std::move(items);
    return menu;
}

MenuItem FileMenu() {
    return Menu("mnuFile", "&File",
                {
                    Item("mnuExport", "&Export database"),
                    Item("mnuImport", "&Import database"),
                    Separator(),
                    // Opening the File menu names the database in use on the disabled item and
                    // offers the other one ("Using Custom database" / "Change to &Original
                    // database"); the shipped database is the Original one. Protected mode
                    // disables both, and Export and Import too.
                    Disabled("mnuOriginalDB", "Using Original database"),
                    Item("mnuCustomDB", "Change to &Custom database"),
                    Separator(),
                    Item("mnuCustListAdd", "&Add Custom List"),
                    Item("mnuCustListRemove", "&Remove Custom List"),
                    Separator(),
                    // Reads "E&xit" while protected mode is on, since nothing is saved then.
                    Item("mnuExit", "E&xit and save"),
                    Item("mnuExitNoSave", "Exit and &don't save"),
                });
}

// The calculator's table feeds these entries, so a caption and the sample it announces cannot
// drift apart.
std::vector<MenuItem> FormulaSubmenus() {
    std::vector<MenuItem> menus;
    for (const FormulaMenu& menu : FormulaMenus()) {
        std::vector<MenuItem> entries;
        for (const FormulaSample& sample : FormulaSamples())
            if (sample.submenu == menu.submenu)
                entries.push_back(Item(std::string(sample.menuName), std::string(sample.caption)));
        menus.push_back(
            Menu(std::string(menu.menuName), std::string(menu.caption), std::move(entries)));
    }
    return menus;
}

MenuItem EditMenu() {
    MenuItem edit = Menu("mnuEdit", "&Edit",
                         {
                             Item("mnuAddSF", "&Add, Edit or Delete a short form"),
                             Separator(),
                             Item("mnuCopy", "&Copy (='Copy' button)"),
                             Item("mnuCut", "C&ut"),
                             Item("mnuPaste", "&Paste"),
                             Separator(),
                             Item("mnuCalcPaste", "Calculate && Paste &Result (='CPaste')"),
                             Item("mnuCCP", "Copy, Calculate && Paste Result"),
                             Item("mnuPasteToPick", "Paste to Quib &List (='CLPaste')"),
                             Item("mnuMultiPaste", "Paste from &last 9 clips ('MPaste')  Alt+P"),
                             Separator(),
                         });
    for (MenuItem& submenu : FormulaSubmenus()) edit.items.push_back(std::move(submenu));
    return edit;
}

MenuItem SizeAndPositionMenu() {
    return Menu("mnuSizePos", "&Size and Position of Quibnote",
                {
                    Item("mnuMRNormal", "&Middle right of screen"),
                    Item("mnuTRSquare", "&Top Right of Screen, square"),
                    Item("mnuBRSquare", "&Bottom Right of screen, square"),
                    Item("mnuTRSmall", "Top Right of screen, small size"),
                    Item("mnuBRSmall", "Bottom Right of Screen, small size"),
                    Separator(),
                    Item("mnuReturnDefPos", "&Return to default position and size"),
                    Item("mnuReturnStartup", "Return to &startup position and size"),
                });
}

MenuItem FontMenu() {
    return Menu("mnuFont", "Fo&nt size",
                {
                    Item("mnuSmall", "&Small"),
                    Item("mnuMedium", "&Medium"),
                    Item("mnuLarge", "&Large"),
                });
}

MenuItem VocabularyMenu() {
    return Menu("mnuVocab", "&Vocabulary Settings",
                {
                    Item("mnuTagOnOff", "&Activate short forms of used words"),
                    Item("mnuActiveOnlyDisp", "&Show only active forms in a - z lists"),
                    Separator(),
                    Item("mnuUseNone", "Use &Only use-activated short forms"),
                    Item("mnuOneLetter", "Use all &1 letter short forms + activated"),
                    Item("mnuTwoLetter", "Use 1 - &2 letter short forms + activated"),
                    Item("mnuThreeLetter", "Use 1 - &3 letter short forms + activated"),
                    Item("mnuFourLetters", "Use 1 - &4 letter short forms + activated"),
                    Item("mnuFiveLetters", "Use 1 - &5 letter short forms + activated"),
                    Item("mnuSixLetters", "Use 1 - &6 letter short forms + activated"),
                    Item("mnuSevenLetters", "Use 1 - &7 letter short forms + activated"),
                    Item("mnuAllForms", "Use &All available short forms"),
                });
}

MenuItem DisplayPanelMenu() {
    return Menu("mnuFloatingDisplay", "Expansion &Display Settings",
                {
                    Item("mnuDispPanel", "Use &Display Panel     F11"),
                    Item("mnuHighlightDisp", "Use &Highlight Display     Ctrl + F11"),
                    Item("mnuAnchor", "Let display panel &float above typing     F11"),
                    Item("mnuVisibility", "Make display panel always visible"),
                });
}

MenuItem ColorMenu() {
    return Menu("mnuChooseColor", "C&olor Settings",
                {
                    Item("mnuAdjustColor", "Change Colors of &Windows"),
                    Separator(),
                    Item("mnuDefCol", "Default &Main Window color"),
                    Item("mnuDefButtonColor", "Default Cmd &Button color"),
                    Item("mnuDefPickColor", "Default &Quib List color"),
                    Item("mnuDefDispColor", "Default &Display Panel color"),
                });
}

MenuItem ListsMenu() {
    return Menu("mnuDisplayLists", "Display &Lists of short forms",
                {
                    Item("mnuAddedShFms", "&Added short forms"),
                    Item("mnuActivatedSFs", "A&ctivated short forms"),
                    Separator(),
                    Item("mnuSingleLetter", "&Single-letter short forms"),
                    Item("mnuListTwoLet", "&Two-letter Short forms"),
                    Item("mnuListTwoThree", "T&wo-letter forms saving 3 or more keystrokes"),
                    Item("mnuListThreeFour", "T&hree-letter forms saving 4 or more keystrokes"),
                    Item("mnuListUpToThreeSix", "&Up to 3 letters saving 6 or more keystrokes"),
                    Item("mnuListUpToThreeEight", "U&p to 3 letters saving 8 or more keystrokes"),
                    Item("mnuListUpToFourTen", "Up t&o 4 letters saving 10 or more keystrokes"),
                    Item("mnuListUpToSevenTwelve", "Up to 9 &letters saving 12 or more keystrokes"),
                });
}

MenuItem StatisticsMenu() {
    return Menu("mnuStatsDisp", "&Statistics Display Settings",
                {
                    Item("mnuDispStatsTyping", "&Display statistics while typing"),
                    Item("mnuDispStatsEnd", "Display statistics at close of program"),
                });
}

// Opening the Options menu rewrites the switch captions and every check mark from the current
// options; the placeholders ("ExpSw" and the like) mark the entries whose captions only exist
// after that refresh.
MenuItem OptionsMenu() {
    return Menu("mnuOptions", "&Options",
                {
                    Item("mnuExpandOffOn", "ExpSw"),
                    Item("mnuLookAheadOffOn", "LASw"),
                    // Refreshed to "Use small Quibnote window".
                    Item("mnuSmallWindow", "Small Size Window"),
                    Item("mnuStartMin", "Start Quibnote Minimized"),
                    Item("mnuCSFullSpeed", "Run Quibnote at full speed"),
                    Item("mnuPosition", "&Typing Speed and other Statistics"),
                    SizeAndPositionMenu(),
                    FontMenu(),
                    VocabularyMenu(),
                    DisplayPanelMenu(),
                    ColorMenu(),
                    ListsMenu(),
                    StatisticsMenu(),
                    Item("mnuCtrlSpace", "C&ustomize Ctrl + Space && Ctrl + \""),
                    Item("mnuTipOfDay", "TipSw"),
                    Item("mnuProtect", "PrMdSw"),
                    Item("mnuCatchCopy", "CatchSw"),
                    Item("mnuShowClipsOnCopy", "ClpSw"),
                });
}

MenuItem HelpMenu() {
    return Menu("mnuHelp", "&Help",
                {
                    Item("mnuHowToUse", "&Quibnote Help"),
                    Item("mnuAboutKeyvane", "&About Quibnote"),
                });
}

Control MakeControl(std::string name, ControlKind kind, std::string caption, TwipRect rect) {
    Control control;
    control.name = std::move(name);
    control.kind = kind;
    control.caption = std::move(caption);
    control.rect = rect;
    return control;
}

// Colours are Windows BGR values.
constexpr std::uint32_t DefaultDisplayColor = 0xFF9090;
constexpr std::uint32_t DefaultButtonColor = 0xFFC0C0;
constexpr std::uint32_t DefaultPanelColor = 0x3CD5C2;

void AddControls(Form& form) {
    // The layout step on resize gives the box the window's inner width and all but the bottom
    // 600 twips; the design size leaves room for the button rows below it.
    Control display = MakeControl("txtDisplay", ControlKind::TextBox, "", {0, 0, 3945, 2735});
    display.multiLine = true;
    display.color = DefaultDisplayColor;
    form.controls.push_back(display);

    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('a' + i);
        const int width = letter == 'm' || letter == 'w' ? 165 : 135;
        Control button = MakeControl("cmdAtoZ", ControlKind::Button, std::string(1, letter),
                                     {575 + 120 * i, 2760, width, 225});
        button.index = i;
        form.controls.push_back(button);
    }

    // The five command buttons share the button colour.
    const struct {
        const char* name;
        const char* caption;
        TwipRect rect;
    } commands[] = {
        {"cmdIntro", "Intro", {60, 2790, 435, 225}},
        {"cmdCopy", "Copy", {120, 3150, 855, 255}},
        {"cmdCPaste", "CPaste", {990, 3150, 885, 255}},
        {"cmdCSPaste", "CLPaste", {1890, 3150, 885, 255}},
        {"cmdMPaste", "MPaste", {2790, 3150, 885, 255}},
    };
    for (const auto& command : commands) {
        Control button =
            MakeControl(command.name, ControlKind::Button, command.caption, command.rect);
        button.color = DefaultButtonColor;
        form.controls.push_back(button);
    }
}

} // namespace

Form MakeMainWindowForm() {
    Form form;
    form.name = "frmKeyvane";
    form.caption = "Quibnote";
    // The geometry the settings give when they hold none of their own.
    form.rect = {13300, 2150, 4060, 7950};
    form.topmost = true;
    form.menus = {FileMenu(), EditMenu(), Item("mnuPick", "&Quib"), OptionsMenu(), HelpMenu()};
    AddControls(form);
    return form;
}

Form MakeDisplayPanelForm() {
    Form form;
    form.name = "frmKVDisp";
    form.rect = {0, 0, 1995, 360};
    form.topmost = true;
    form.borderless = true;
    form.color = DefaultPanelColor;
    // The panel is always 60 twips wider than its label.
    Control label = MakeControl("lblKVDisp", ControlKind::Label, "", {90, 0, 1995 - 60, 360});
    label.color = DefaultPanelColor;
    form.controls.push_back(label);
    return form;
}
