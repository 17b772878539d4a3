#include "ui/MainWindow.h"

#include "platform/keys.h"
#include "store/DataFile.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/DisplayPanel.h"
#include "ui/Handlers.h"
#include "ui/QuibListWindow.h"
#include "ui/ShortFormLists.h"

namespace {

// The window's frame around its inner area: the borders, and the caption and menu bars.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 690;

bool CtrlHeld(Platform& p) {
    for (const std::uint8_t key : {vk::Control, vk::LControl, vk::RControl})
        if ((p.getAsyncKeyState(key) & 0x8000) != 0) return true;
    return false;
}

void ShowHelp(App& app) {
    Platform& p = app.platform;
    const std::string name = p.helpFileName();
    if (!p.showHelp(DataFilePath(p, name)))
        p.messageBox("The help file " + name + " is not in the Quibnote folder.", "Quibnote",
                     MsgButtons::Ok, MsgIcon::Information);
}

void ShowAbout(App& app) {
    app.platform.messageBox(
        "Quibnote 1.20\r\n\r\nAn abbreviation expander with a Quib List, a multi-clipboard and a "
        "clip calculator.",
        "About Quibnote", MsgButtons::Ok, MsgIcon::Information);
}

struct ListEntry {
    std::string_view menu;
    const char* marker;
    int maxLength;
    int minSaving;
};

constexpr ListEntry kListEntries[] = {
    {kMnuAddedShFms, "\xB0", 0, 0},     {kMnuActivatedSFs, "\xB7", 0, 0},
    {kMnuSingleLetter, "=", 1, 0},      {kMnuListTwoLet, "=", 2, 0},
    {kMnuListTwoThree, "=", 2, 3},      {kMnuListThreeFour, "=", 3, 4},
    {kMnuListUpToThreeSix, "<=", 3, 6}, {kMnuListUpToThreeEight, "<=", 3, 8},
    {kMnuListUpToFourTen, "<=", 4, 10}, {kMnuListUpToSevenTwelve, "<=", 9, 12},
};

} // namespace

void LayoutMainWindow(App& app) {
    Form& f = app.frmKeyvane;
    if (f.state != WindowState::Minimized) {
        const int w = f.rect.width - kFrameWidth;
        const int h = f.rect.height - kFrameHeight;
        Control* display = FindControl(f, kTxtDisplay);
        if (display) display->rect.width = w;
        for (int i = 0; i < 26; ++i)
            if (Control* letter = FindControl(f, kCmdAtoZ, i)) letter->rect.left = 575 + 120 * i;
        if (h > 650) {
            if (display) display->rect.height = h - 600;
            for (Control& c : f.controls) {
                if (c.name == kCmdAtoZ || c.name == kCmdIntro) c.rect.top = h - 575;
                if (c.name == kCmdCopy || c.name == kCmdCPaste || c.name == kCmdCSPaste ||
                    c.name == kCmdMPaste)
                    c.rect.top = h - 285;
            }
        }
    }
    ShowOrHidePanelWithMainWindow(app);
}

void cmdAtoZ_Click(App& app, int index) {
    if (index < 0 || index > 25) return;
    app.view.lastLetter = index;
    std::string text = LetterListText(app.db, index, app.options.activeOnlyLists,
                                      app.options.useLevel, app.platform.localTime());
    if (CtrlHeld(app.platform) && text.size() > LongListLength) text = RestOfLongList(text);
    SetDisplayText(app, std::move(text));
}

void ListShortForms(App& app, std::string_view marker, int maxLength, int minSaving) {
    SetDisplayText(
        app, ShortFormListText(app.db, marker, maxLength, minSaving, app.platform.localTime()));
}

void AdjustDisplayAndStatus(App& app) {
    app.db.settingsChanged = true;
    const std::string shown = DisplayText(app);
    if (!shown.empty() && shown.front() >= '0' && shown.front() <= '9')
        cmdAtoZ_Click(app, app.view.lastLetter);
}

void SetFontSize(App& app, int points) {
    if (Control* box = FindControl(app.frmKeyvane, kTxtDisplay)) box->fontPoints = points;
    for (Control& c : app.frmEdit.controls)
        if (c.kind == ControlKind::TextBox) c.fontPoints = points;
}

void AddMainWindowHandlers(Handlers& h) {
    h.events.emplace(EventKey(kFrmKeyvane, kCmdAtoZ, UserAction::Kind::Click),
                     [](App& app, const UserAction& a) { cmdAtoZ_Click(app, a.index); });
    for (const ListEntry& e : kListEntries)
        h.menus.emplace(
            e.menu, [&e](App& app) { ListShortForms(app, e.marker, e.maxLength, e.minSaving); });
    for (const auto& [menu, points] : {std::pair{kMnuSmall, 8}, {kMnuMedium, 10}, {kMnuLarge, 12}})
        h.menus.emplace(menu, [points](App& app) {
            // The Quib List's rows follow the font size, so it opens again with the new one.
            CloseQuibList(app);
            SetFontSize(app, points);
            app.options.fontSize = points;
            app.db.settingsChanged = true;
        });
    h.menus.emplace(kMnuHowToUse, ShowHelp);
    h.menus.emplace(kMnuAboutKeyvane, ShowAbout);
}
