#include "ui/ColorDialog.h"

#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Handlers.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

enum class Target { Main, Buttons, QuibList, Panel };

struct TargetInfo {
    Target target;
    std::string_view checkBox;
    const char* caption;
    std::string_view defaultMenu;
    std::uint32_t defaultColor;
    std::uint32_t Options::*stored;
};

constexpr std::array<TargetInfo, 4> kTargets = {{
    {Target::Main, kChkMain, "Main window", kMnuDefCol, 0xFF9090, &Options::mainColor},
    {Target::Buttons, kChkButtons, "Cmd Buttons", kMnuDefButtonColor, 0xFFC0C0,
     &Options::buttonColor},
    {Target::QuibList, kChkQuibList, "Quib List", kMnuDefPickColor, 0x9EEBDF, &Options::pickColor},
    {Target::Panel, kChkDispPanel, "Display Panel", kMnuDefDispColor, 0x3CD5C2,
     &Options::panelColor},
}};

constexpr std::string_view kCommandButtons[] = {kCmdIntro, kCmdCopy, kCmdCPaste, kCmdCSPaste,
                                                kCmdMPaste};
constexpr std::string_view kScrollBars[] = {kVScroll1, kVScroll2, kVScroll3};

Control MakeControl(std::string_view name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

std::uint32_t CurrentColor(App& app, Target t) {
    const Control* c = nullptr;
    switch (t) {
    case Target::Main:
        c = FindControl(app.frmKeyvane, kTxtDisplay);
        break;
    case Target::Buttons:
        c = FindControl(app.frmKeyvane, kCmdIntro);
        break;
    case Target::QuibList:
        return app.view.quibListColor;
    case Target::Panel:
        c = FindControl(app.frmKVDisp, kLblKVDisp);
        break;
    }
    return c ? c->color : 0;
}

void Paint(App& app, Target t, std::uint32_t color) {
    switch (t) {
    case Target::Main:
        if (Control* c = FindControl(app.frmKeyvane, kTxtDisplay)) c->color = color;
        break;
    case Target::Buttons:
        for (const std::string_view name : kCommandButtons)
            if (Control* c = FindControl(app.frmKeyvane, name)) c->color = color;
        break;
    case Target::QuibList:
        app.view.quibListColor = color;
        for (Control& c : app.frmPick.controls)
            if (c.kind == ControlKind::TextBox) c.color = color;
        break;
    case Target::Panel:
        app.frmKVDisp.color = color;
        if (Control* c = FindControl(app.frmKVDisp, kLblKVDisp)) c->color = color;
        break;
    }
}

int ScrollValue(App& app, int i) {
    const Control* bar = FindControl(app.frmColor, kScrollBars[i]);
    return bar ? bar->value : 0;
}

void ShowColorLabels(App& app, std::uint32_t color) {
    if (Control* hex = FindControl(app.frmColor, kLblHex)) hex->caption = ColorHex(color);
    if (Control* dec = FindControl(app.frmColor, kLblDec))
        dec->caption = "Dec: " + std::to_string(color);
}

void TargetTicked(App& app, const TargetInfo& ticked) {
    Control* box = FindControl(app.frmColor, ticked.checkBox);
    if (!box || !box->checked) return;
    for (const TargetInfo& other : kTargets)
        if (&other != &ticked)
            if (Control* c = FindControl(app.frmColor, other.checkBox)) c->checked = false;
    SetScrollBars(app, CurrentColor(app, ticked.target));
    if (ticked.target == Target::Panel) OpenDispPanel(app);
}

void RestoreDefault(App& app, const TargetInfo& t) {
    std::uint32_t& stored = app.options.*t.stored;
    if (stored != t.defaultColor || CurrentColor(app, t.target) != t.defaultColor)
        app.db.settingsChanged = true;
    Paint(app, t.target, t.defaultColor);
    stored = t.defaultColor;
}

} // namespace

Form MakeColorForm() {
    Form f;
    f.name = kFrmColor;
    f.caption = "Adjust Color";
    f.rect = {0, 0, 3600, 3900};
    for (int i = 0; i < 4; ++i) {
        const TargetInfo& t = kTargets[i];
        f.controls.push_back(MakeControl(t.checkBox, ControlKind::CheckBox, t.caption,
                                         {120, 120 + 300 * i, 1800, 255}));
    }
    // The samples over the scroll bars say which colour each one mixes in.
    const std::pair<std::string_view, std::uint32_t> samples[] = {
        {kLblBlue, 0xFF0000}, {kLblGreen, 0x00FF00}, {kLblRed, 0x0000FF}};
    for (int i = 0; i < 3; ++i) {
        Control sample =
            MakeControl(samples[i].first, ControlKind::Label, "", {2100 + 420 * i, 120, 300, 255});
        sample.color = samples[i].second;
        f.controls.push_back(sample);
        Control bar = MakeControl(kScrollBars[i], ControlKind::ScrollBar, "",
                                  {2100 + 420 * i, 420, 300, 2295});
        bar.max = 255;
        f.controls.push_back(bar);
    }
    f.controls.push_back(MakeControl(kLblHex, ControlKind::Label, "", {120, 1440, 1800, 255}));
    f.controls.push_back(MakeControl(kLblDec, ControlKind::Label, "", {120, 1740, 1800, 255}));
    return f;
}

std::string ColorHex(std::uint32_t color) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", (color >> 16) & 0xFF, (color >> 8) & 0xFF,
                  color & 0xFF);
    return hex;
}

void OpenColorDialog(App& app) {
    Form& f = app.frmColor;
    if (!f.open) {
        // The main window's box is the target until the user picks another.
        for (const TargetInfo& t : kTargets)
            if (Control* c = FindControl(f, t.checkBox)) c->checked = t.target == Target::Main;
        SetScrollBars(app, CurrentColor(app, Target::Main));
        f.rect.left = std::max(0, app.frmKeyvane.rect.left - f.rect.width);
        f.rect.top = app.frmKeyvane.rect.top;
    }
    app.platform.showForm(f, true);
}

void ChangeColor(App& app) {
    const std::uint32_t color = static_cast<std::uint32_t>(ScrollValue(app, 0)) << 16 |
                                static_cast<std::uint32_t>(ScrollValue(app, 1)) << 8 |
                                static_cast<std::uint32_t>(ScrollValue(app, 2));
    ShowColorLabels(app, color);
    SetWindowColor(app, color);
}

void SetWindowColor(App& app, std::uint32_t BColor) {
    for (const TargetInfo& t : kTargets) {
        const Control* box = FindControl(app.frmColor, t.checkBox);
        if (box && box->checked) Paint(app, t.target, BColor);
    }
}

void SetScrollBars(App& app, std::uint32_t ColorVal) {
    const int bytes[] = {static_cast<int>(ColorVal >> 16 & 0xFF),
                         static_cast<int>(ColorVal >> 8 & 0xFF), static_cast<int>(ColorVal & 0xFF)};
    for (int i = 0; i < 3; ++i)
        if (Control* bar = FindControl(app.frmColor, kScrollBars[i])) bar->value = bytes[i];
    ChangeColor(app);
}

void OpenDispPanel(App& app) {
    app.frmKVDisp.topmost = true;
    app.platform.showForm(app.frmKVDisp, false);
}

void CloseColorDialog(App& app) {
    Form& f = app.frmColor;
    if (!f.open) return;
    app.platform.hideForm(f);
    f.open = false;
    for (const TargetInfo& t : kTargets) {
        const std::uint32_t current = CurrentColor(app, t.target);
        std::uint32_t& stored = app.options.*t.stored;
        if (current == stored) continue;
        stored = current;
        app.db.settingsChanged = true;
    }
}

// The colours the settings hold, on the windows; the Quib List takes its colour when it opens.
void ApplySettingsColors(App& app) {
    for (const TargetInfo& t : kTargets) Paint(app, t.target, app.options.*t.stored);
}

void RefreshColorMenu(App& app) {
    for (const TargetInfo& t : kTargets)
        if (MenuItem* item = FindMenuItem(app.frmKeyvane, t.defaultMenu))
            item->checked = app.options.*t.stored != t.defaultColor;
}

void AddColorHandlers(Handlers& h) {
    h.menus.emplace(kMnuAdjustColor, OpenColorDialog);
    for (const TargetInfo& t : kTargets) {
        h.menus.emplace(t.defaultMenu, [&t](App& app) { RestoreDefault(app, t); });
        h.events.emplace(EventKey(kFrmColor, t.checkBox, UserAction::Kind::Click),
                         [&t](App& app, const UserAction&) { TargetTicked(app, t); });
    }
    for (const std::string_view bar : kScrollBars)
        h.events.emplace(EventKey(kFrmColor, bar, UserAction::Kind::Scroll),
                         [](App& app, const UserAction&) { ChangeColor(app); });
    h.events.emplace(EventKey(kFrmColor, "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) { CloseColorDialog(app); });
}
