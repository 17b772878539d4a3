#include "ui/MainWindowModel.h"

#include "calc/FormulaSamples.h"
#include "ui/ControlNames.h"

#include <string>
#include <utility>
#include <vector>

namespace {

MenuItem Item(std::string_view name, std::string caption) {
    MenuItem item;
    item.name = name;
    item.caption = std::move(caption);
    return item;
}

MenuItem Disabled(std::string_view name, std::string caption) {
    MenuItem item = Item(name, std::move(caption));
    item.enabled = false;
    return item;
}

MenuItem Separator() {
    return Item("", "-");
}

MenuItem Menu(std::string_view name, std::string caption, std::vector<MenuItem> items) {
    MenuItem menu = Item(name, std::move(caption));
    menu.items = std::move(items);
    return menu;
}

MenuItem FileMenu() {
    return Menu(kMnuFile, "&File",
                {
                    Item(kMnuExport, "&Export database"),
                    Item(kMnuImport, "&Import database"),
                    Separator(),
                    // Opening the File menu names the database in use on the disabled item and
                    // offers the other one ("Using Custom database" / "Change to &Original
                    // database"); the shipped database is the Original one. Protected mode
                    // disables both, and Export and Import too.
                    Disabled(kMnuOriginalDB, "Using Original database"),
                    Item(kMnuCustomDB, "Change to &Custom database"),
                    Separator(),
                    Item(kMnuCustListAdd, "&Add Custom List"),
                    Item(kMnuCustListRemove, "&Remove Custom List"),
                    Separator(),
                    // Reads "E&xit" while protected mode is on, since nothing is saved then.
                    Item(kMnuExit, "E&xit and save"),
                    Item(kMnuExitNoSave, "Exit and &don't save"),
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
    MenuItem edit = Menu(kMnuEdit, "&Edit",
                         {
                             Item(kMnuAddSF, "&Add, Edit or Delete a short form"),
                             Separator(),
                             Item(kMnuCopy, "&Copy (='Copy' button)"),
                             Item(kMnuCut, "C&ut"),
                             Item(kMnuPaste, "&Paste"),
                             Separator(),
                             Item(kMnuCalcPaste, "Calculate && Paste &Result (='CPaste')"),
                             Item(kMnuCCP, "Copy, Calculate && Paste Result"),
                             Item(kMnuPasteToPick, "Paste to Quib &List (='CLPaste')"),
                             Item(kMnuMultiPaste, "Paste from &last 9 clips ('MPaste')  Alt+P"),
                             Separator(),
                         });
    for (MenuItem& submenu : FormulaSubmenus()) edit.items.push_back(std::move(submenu));
    return edit;
}

MenuItem SizeAndPositionMenu() {
    return Menu(kMnuSizePos, "&Size and Position of Quibnote",
                {
                    Item(kMnuMRNormal, "&Middle right of screen"),
                    Item(kMnuTRSquare, "&Top Right of Screen, square"),
                    Item(kMnuBRSquare, "&Bottom Right of screen, square"),
                    Item(kMnuTRSmall, "Top Right of screen, small size"),
                    Item(kMnuBRSmall, "Bottom Right of Screen, small size"),
                    Separator(),
                    Item(kMnuReturnDefPos, "&Return to default position and size"),
                    Item(kMnuReturnStartup, "Return to &startup position and size"),
                });
}

MenuItem FontMenu() {
    return Menu(kMnuFont, "Fo&nt size",
                {
                    Item(kMnuSmall, "&Small"),
                    Item(kMnuMedium, "&Medium"),
                    Item(kMnuLarge, "&Large"),
                });
}

MenuItem VocabularyMenu() {
    return Menu(kMnuVocab, "&Vocabulary Settings",
                {
                    Item(kMnuTagOnOff, "&Activate short forms of used words"),
                    Item(kMnuActiveOnlyDisp, "&Show only active forms in a - z lists"),
                    Separator(),
                    Item(kMnuUseNone, "Use &Only use-activated short forms"),
                    Item(kMnuOneLetter, "Use all &1 letter short forms + activated"),
                    Item(kMnuTwoLetter, "Use 1 - &2 letter short forms + activated"),
                    Item(kMnuThreeLetter, "Use 1 - &3 letter short forms + activated"),
                    Item(kMnuFourLetters, "Use 1 - &4 letter short forms + activated"),
                    Item(kMnuFiveLetters, "Use 1 - &5 letter short forms + activated"),
                    Item(kMnuSixLetters, "Use 1 - &6 letter short forms + activated"),
                    Item(kMnuSevenLetters, "Use 1 - &7 letter short forms + activated"),
                    Item(kMnuAllForms, "Use &All available short forms"),
                });
}

MenuItem DisplayPanelMenu() {
    return Menu(kMnuFloatingDisplay, "Expansion &Display Settings",
                {
                    Item(kMnuDispPanel, "Use &Display Panel     F11"),
                    Item(kMnuHighlightDisp, "Use &Highlight Display     Ctrl + F11"),
                    Item(kMnuAnchor, "Let display panel &float above typing     F11"),
                    Item(kMnuVisibility, "Make display panel always visible"),
                });
}

MenuItem ColorMenu() {
    return Menu(kMnuChooseColor, "C&olor Settings",
                {
                    Item(kMnuAdjustColor, "Change Colors of &Windows"),
                    Separator(),
                    Item(kMnuDefCol, "Default &Main Window color"),
                    Item(kMnuDefButtonColor, "Default Cmd &Button color"),
                    Item(kMnuDefPickColor, "Default &Quib List color"),
                    Item(kMnuDefDispColor, "Default &Display Panel color"),
                });
}

MenuItem ListsMenu() {
    return Menu(kMnuDisplayLists, "Display &Lists of short forms",
                {
                    Item(kMnuAddedShFms, "&Added short forms"),
                    Item(kMnuActivatedSFs, "A&ctivated short forms"),
                    Separator(),
                    Item(kMnuSingleLetter, "&Single-letter short forms"),
                    Item(kMnuListTwoLet, "&Two-letter Short forms"),
                    Item(kMnuListTwoThree, "T&wo-letter forms saving 3 or more keystrokes"),
                    Item(kMnuListThreeFour, "T&hree-letter forms saving 4 or more keystrokes"),
                    Item(kMnuListUpToThreeSix, "&Up to 3 letters saving 6 or more keystrokes"),
                    Item(kMnuListUpToThreeEight, "U&p to 3 letters saving 8 or more keystrokes"),
                    Item(kMnuListUpToFourTen, "Up t&o 4 letters saving 10 or more keystrokes"),
                    Item(kMnuListUpToSevenTwelve, "Up to 9 &letters saving 12 or more keystrokes"),
                });
}

MenuItem StatisticsMenu() {
    return Menu(kMnuStatsDisp, "&Statistics Display Settings",
                {
                    Item(kMnuDispStatsTyping, "&Display statistics while typing"),
                    Item(kMnuDispStatsEnd, "Display statistics at close of program"),
                });
}

// Opening the Options menu rewrites the switch captions and every check mark from the current
// options; the placeholders ("ExpSw" and the like) mark the entries whose captions only exist
// after that refresh.
MenuItem OptionsMenu() {
    return Menu(kMnuOptions, "&Options",
                {
                    Item(kMnuExpandOffOn, "ExpSw"),
                    Item(kMnuLookAheadOffOn, "LASw"),
                    Item(kMnuKeepCase, "&Keep the capitals I type"),
                    // Refreshed with the name of the program in front.
                    Item(kMnuPauseHere, "Paus&e in this application"),
                    // Refreshed to "Use small Quibnote window".
                    Item(kMnuSmallWindow, "Small Size Window"),
                    Item(kMnuStartMin, "Start Quibnote Minimized"),
                    Item(kMnuStartAtLogin, "Start Quibnote when I &log in"),
                    Item(kMnuCSFullSpeed, "Run Quibnote at full speed"),
                    Item(kMnuPosition, "&Typing Speed and other Statistics"),
                    SizeAndPositionMenu(),
                    FontMenu(),
                    VocabularyMenu(),
                    DisplayPanelMenu(),
                    ColorMenu(),
                    ListsMenu(),
                    StatisticsMenu(),
                    Item(kMnuCtrlSpace, "C&ustomize Ctrl + Space && Ctrl + \""),
                    Item(kMnuTipOfDay, "TipSw"),
                    Item(kMnuProtect, "PrMdSw"),
                    Item(kMnuCatchCopy, "CatchSw"),
                    Item(kMnuShowClipsOnCopy, "ClpSw"),
                });
}

MenuItem HelpMenu() {
    return Menu(kMnuHelp, "&Help",
                {
                    Item(kMnuHowToUse, "&Quibnote Help"),
                    Item(kMnuAboutKeyvane, "&About Quibnote"),
                });
}

Control MakeControl(std::string_view name, ControlKind kind, std::string caption, TwipRect rect) {
    Control control;
    control.name = name;
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
    Control display = MakeControl(kTxtDisplay, ControlKind::TextBox, "", {0, 0, 3945, 2735});
    display.multiLine = true;
    display.color = DefaultDisplayColor;
    form.controls.push_back(display);

    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('a' + i);
        const int width = letter == 'm' || letter == 'w' ? 165 : 135;
        Control button = MakeControl(kCmdAtoZ, ControlKind::Button, std::string(1, letter),
                                     {575 + 120 * i, 2760, width, 225});
        button.index = i;
        form.controls.push_back(button);
    }

    // The five command buttons share the button colour.
    const struct {
        std::string_view name;
        const char* caption;
        TwipRect rect;
    } commands[] = {
        {kCmdIntro, "Intro", {60, 2790, 435, 225}},
        {kCmdCopy, "Copy", {120, 3150, 855, 255}},
        {kCmdCPaste, "CPaste", {990, 3150, 885, 255}},
        {kCmdCSPaste, "CLPaste", {1890, 3150, 885, 255}},
        {kCmdMPaste, "MPaste", {2790, 3150, 885, 255}},
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
    form.name = kFrmKeyvane;
    form.caption = "Quibnote";
    // The geometry the settings give when they hold none of their own.
    form.rect = {13300, 2150, 4060, 7950};
    form.topmost = true;
    form.menus = {FileMenu(), EditMenu(), Item(kMnuPick, "&Quib"), OptionsMenu(), HelpMenu()};
    AddControls(form);
    return form;
}

Form MakeDisplayPanelForm() {
    Form form;
    form.name = kFrmKVDisp;
    form.rect = {0, 0, 1995, 360};
    form.topmost = true;
    form.borderless = true;
    form.color = DefaultPanelColor;
    // The panel is always 60 twips wider than its label.
    Control label = MakeControl(kLblKVDisp, ControlKind::Label, "", {90, 0, 1995 - 60, 360});
    label.color = DefaultPanelColor;
    form.controls.push_back(label);
    return form;
}
