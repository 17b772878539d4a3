#include "ui/Tips.h"

#include "platform/text.h"
#include "store/DataFile.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Geometry.h"
#include "ui/Handlers.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::string_view kTipsFile = "QNTips.txt";
// A kept text shorter than this is a missing or broken file, never written over.
constexpr std::size_t kShortestTipsFile = 101;

Control MakeControl(std::string_view name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

// The number's value the way the file keeps it: leading digits, 0 when there are none. No tips
// file comes near the cap, which only keeps a damaged first line from overflowing.
long long NumberValue(const std::string& number) {
    return std::clamp(std::strtoll(number.c_str(), nullptr, 10), -1'000'000'000LL, 1'000'000'000LL);
}

void ShowCurrentTip(App& app) {
    Form& f = app.frmKVHelp;
    const std::string tip = GetTip(app.view.tips);
    if (Control* box = FindControl(f, kTxtKVHelp)) box->text = tip;
    if (Control* label = FindControl(f, kLblTipNum)) label->caption = "Tip " + app.view.tips.number;
}

void Step(App& app, long long by) {
    const long long n = NumberValue(app.view.tips.number) + by;
    app.view.tips.number = std::to_string(n < 1 ? 1 : n);
    ShowCurrentTip(app);
}

void DontShowClicked(App& app) {
    const Control* box = FindControl(app.frmKVHelp, kChkDontShow);
    app.options.tipAtStart = !(box && box->checked);
    app.db.settingsChanged = true;
    app.db.databaseChanged = true;
}

void ToggleTipOfDay(App& app) {
    app.options.tipAtStart = !app.options.tipAtStart;
    app.db.settingsChanged = true;
}

} // namespace

Form MakeTipsForm() {
    Form f;
    f.name = kFrmKVHelp;
    f.caption = "Pearls of Insight";
    f.rect = {0, 0, 5535, 3900};
    Control text = MakeControl(kTxtKVHelp, ControlKind::TextBox, "", {120, 480, 5175, 1935});
    text.multiLine = true;
    f.controls = {
        MakeControl(kLblTipNum, ControlKind::Label, "Tip 1", {120, 120, 1500, 255}),
        text,
        MakeControl(kCmdPrevious, ControlKind::Button, "&Previous Tip", {120, 2520, 1335, 375}),
        MakeControl(kCmdNext, ControlKind::Button, "&Next Tip", {1560, 2520, 1335, 375}),
        MakeControl(kCmdOK, ControlKind::Button, "OK", {4080, 2520, 1215, 375}),
        MakeControl(kChkDontShow, ControlKind::CheckBox, "&Don't show pearls in future",
                    {120, 3000, 3615, 255}),
    };
    return f;
}

TipsState ReadTips(std::string_view file) {
    const std::size_t cr = file.find('\r');
    // A file with no lines at all, such as the "File not found!" of a missing one, is shown as
    // it stands.
    if (cr == std::string_view::npos) return {"1", std::string(file)};
    return {std::string(file.substr(0, cr)), std::string(file.substr(cr))};
}

std::string GetTip(TipsState& tips) {
    const std::string& rest = tips.rest;
    if (rest.find('\r') == std::string::npos) return rest;
    // The number stands on a line of its own, so a number that ends a line of some tip's text
    // is not taken for it.
    const std::size_t at = rest.find("\n" + tips.number + "\r");
    std::size_t start = 0;
    if (at == std::string::npos || tips.number.empty()) {
        tips.number = "1";
        start = 7;
    } else {
        start = at + tips.number.size() + 3;
    }
    if (start >= rest.size()) return {};
    const std::size_t end = rest.find("\r\n\r\n", start);
    return rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::optional<std::string> TipsFileAfterClose(const TipsState& tips) {
    // A file without a CR has no first line to number; written back, the whole of it would
    // become that line, and its tips would never show again.
    if (tips.rest.size() < kShortestTipsFile || !tips.rest.starts_with('\r')) return std::nullopt;
    std::string text = std::to_string(NumberValue(tips.number) + 1) + tips.rest;
    if (text.ends_with(CrLf)) text.resize(text.size() - 2);
    return text + CrLf;
}

void ShowTips(App& app) {
    Platform& p = app.platform;
    Form& f = app.frmKVHelp;
    app.view.tips = ReadTips(ReadWholeFile(p, kTipsFile));
    ShowCurrentTip(app);
    if (Control* box = FindControl(f, kChkDontShow)) box->checked = !app.options.tipAtStart;
    const ScreenTwips screen = ScreenSize(app);
    f.rect.left = static_cast<int>(screen.width * 0.45) - f.rect.width / 2;
    f.rect.top = static_cast<int>(screen.height * 0.4) - f.rect.height / 2;
    f.topmost = true;
    p.showForm(f, true);
}

void CloseTips(App& app) {
    Platform& p = app.platform;
    Form& f = app.frmKVHelp;
    if (!f.open) return;
    p.hideForm(f);
    f.open = false;
    if (const std::optional<std::string> file = TipsFileAfterClose(app.view.tips)) {
        const FileStatus saved = p.writeFile(DataFilePath(p, kTipsFile), *file);
        // Otherwise the same tip comes back at every start with no reason given.
        if (!saved.ok)
            p.messageBox("Quibnote could not record which tip to show next.\r\n" + saved.error +
                             "\r\n\r\nThe next start shows this tip again.",
                         "Quibnote", MsgButtons::Ok, MsgIcon::Information);
    }
    p.setForegroundWindow(app.frmKeyvane.window);
}

void AddTipsHandlers(Handlers& h) {
    const auto click = [](std::string_view control) {
        return EventKey(kFrmKVHelp, control, UserAction::Kind::Click);
    };
    h.events.emplace(click(kCmdNext), [](App& app, const UserAction&) { Step(app, 1); });
    h.events.emplace(click(kCmdPrevious), [](App& app, const UserAction&) { Step(app, -1); });
    h.events.emplace(click(kCmdOK), [](App& app, const UserAction&) { CloseTips(app); });
    h.events.emplace(click(kChkDontShow),
                     [](App& app, const UserAction&) { DontShowClicked(app); });
    h.events.emplace(EventKey(kFrmKVHelp, "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) { CloseTips(app); });
    h.menus.emplace(kMnuTipOfDay, ToggleTipOfDay);
}
