#include "ui/ColorDialog.h"

#include "ui/App.h"
#include "ui/Handlers.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

enum class Target { Main, Buttons, QuibList, Panel };

struct TargetInfo {
    Target target;
    const char* checkBox;
    const char* caption;
    const char* defaultMenu;
    std::uint32_t defaultColor;
    std::uint32_t Options::*stored;
};

constexpr std::array<TargetInfo, 4> kTargets = {{
    {Target::Main, "chkMain", "Main window", "mnuDefCol", 0xFF9090, &Options::mainColor},
    {Target::Buttons, "chkButtons", "Cmd Buttons", "mnuDefButtonColor", 0xFFC0C0,
     &Options::buttonColor},
    {Target::QuibList, "chkQuibList", "Quib List", "mnuDefPickColor", 0x9EEBDF,
     &Options::pickColor},
    {Target::Panel, "chkDispPanel", "Display Panel", "mnuDefDispColor", 0x3CD5C2,
     &Options::panelColor},
}};

constexpr const char* kCommandButtons[] = {"cmdIntro", "cmdCopy", "cmdCPaste", "cmdCSPaste",
                                           "cmdMPaste"};
constexpr const char* kScrollBars[] = {"VScroll1", "VScroll2", "VScroll3"};

Control MakeControl(std::string name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

std::uint32_t CurrentColor(App& app, Target t) {
    const Control* c = nullptr;
    switch (t) {
    case Target::Main:
        c = FindControl(app.frmKeyvane, "txtDisplay");
        break;
    case Target::Buttons:
        c = FindControl(app.frmKeyvane, "cmdIntro");
        break;
    case Target::QuibList:
        return app.view.quibListColor;
    case Target::Panel:
        c = FindControl(app.frmKVDisp, "lblKVDisp");
        break;
    }
    return c ? c->color : 0;
}

void Paint(App& app, Target t, std::uint32_t color) {
    switch (t) {
    case Target::Main:
        if (Control* c = FindControl(app.frmKeyvane, "txtDisplay")) c->color = color;
        break;
    case Target::Buttons:
        for (const char* name : kCommandButtons)
            if (Control* c = FindControl(app.frmKeyvane, name)) c->color = color;
        break;
    case Target::QuibList:
        app.view.quibListColor = color;
        for (Control& c : app.frmPick.controls)
            if (c.kind == ControlKind::TextBox) c.color = color;
        break;
    case Target::Panel:
        app.frmKVDisp.color = color;
        if (Control* c = FindControl(app.frmKVDisp, "lblKVDisp")) c->color = color;
        break;
    }
}

int ScrollValue(App& app, int i) {
    const Control* bar = FindControl(app.frmColor, kScrollBars[i]);
    return bar ? bar->value : 0;
}

void ShowColorLabels(App& app, std::uint32_t color) {
    if (Control* hex = FindControl(app.frmColor, "lblHex")) hex->caption = ColorHex(color);
    if (Control* dec = FindControl(app.frmColor, "lblDec"))
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
    f.name = "frmColor";
    f.caption = "Adjust Color";
    f.rect = {0, 0, 3600, 3900};
    for (int i = 0; i < 4; ++i) {
        const TargetInfo& t = kTargets[i];
        f.controls.push_back(MakeControl(t.checkBox, ControlKind::CheckBox, t.caption,
                                         {120, 120 + 300 * i, 1800, 255}));
    }
    // The samples over the scroll bars say which colour each one mixes in.
    const std::pair<const char*, std::uint32_t> samples[] = {
        {"lblBlue", 0xFF0000}, {"lblGreen", 0x00FF00}, {"lblRed", 0x0000FF}};
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
    f.controls.push_back(MakeControl("lblHex", ControlKind::Label, "", {120, 1440, 1800, 255}));
    f.controls.push_back(MakeControl("lblDec", ControlKind::Label, "", {120, 1740, 1800, 255}));
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
    h.menus.emplace("mnuAdjustColor", OpenColorDialog);
    for (const TargetInfo& t : kTargets) {
        h.menus.emplace(t.defaultMenu, [&t](App& app) { RestoreDefault(app, t); });
        h.events.emplace(EventKey("frmColor", t.checkBox, UserAction::Kind::Click),
                         [&t](App& app, const UserAction&) { TargetTicked(app, t); });
    }
    for (const char* bar : kScrollBars)
        h.events.emplace(EventKey("frmColor", bar, UserAction::Kind::Scroll),
                         [](App& app, const UserAction&) { ChangeColor(app); });
    h.events.emplace(EventKey("frmColor", "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) { CloseColorDialog(app); });
}
