#include "ui/CustomizeDialog.h"

#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Handlers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int kMostSpaces = 100;

Control MakeControl(std::string_view name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    return c;
}

// A number as a user writes one: optional spaces around it, a sign, digits with an optional
// fraction, and an optional exponent. Anything else is no number.
std::optional<double> NumberIn(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string s(text.substr(first, text.find_last_not_of(' ') - first + 1));
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    std::size_t digits = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) ++digits;
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
        if (j == exponentStart) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

void TakeEntry(App& app, std::string_view box, int& count) {
    const Control* c = FindControl(app.frmDat, box);
    const int entered = CountFromEntry(c ? c->text : std::string());
    if (entered == count) return;
    count = entered;
    app.db.settingsChanged = true;
    app.db.databaseChanged = true;
}

void CloseCustomizeDialog(App& app) {
    app.platform.hideForm(app.frmDat);
    app.frmDat.open = false;
}

} // namespace

Form MakeCustomizeForm() {
    Form f;
    f.name = kFrmDat;
    f.caption = "Quibnote Customize";
    f.rect = {0, 0, 4800, 3360};
    Control instructions = MakeControl(
        kLblDatInfo, ControlKind::Label,
        "Enter the number of spaces that Ctrl + Space is to type, from 0 to 100, and the number "
        "that Ctrl + \" is to type. An entry of 0 turns that key off.",
        {120, 120, 4455, 975});
    f.controls = {
        instructions,
        MakeControl(kLblDat1, ControlKind::Label,
                    "Spaces for Ctl + Space:", {120, 1215, 2655, 255}),
        MakeControl(kTxtDat1, ControlKind::TextBox, "", {2880, 1170, 855, 315}),
        MakeControl(kLblDat2, ControlKind::Label, "Spaces for Ctrl + \":", {120, 1695, 2655, 255}),
        MakeControl(kTxtDat2, ControlKind::TextBox, "", {2880, 1650, 855, 315}),
        MakeControl(kCmdDat1, ControlKind::Button, "OK", {1800, 2280, 1215, 375}),
    };
    return f;
}

int CountFromEntry(std::string_view entry) {
    const std::optional<double> n = NumberIn(entry);
    if (!n) return 0;
    const double whole = std::trunc(*n);
    if (whole < 1 || whole > kMostSpaces) return 0;
    return static_cast<int>(whole);
}

void OpenCustomizeDialog(App& app) {
    Form& f = app.frmDat;
    if (Control* c = FindControl(f, kTxtDat1)) c->text = std::to_string(app.options.ctrlSpaceCount);
    if (Control* c = FindControl(f, kTxtDat2)) c->text = std::to_string(app.options.ctrlQuoteCount);
    f.rect.left = std::max(0, app.frmKeyvane.rect.left - f.rect.width);
    f.rect.top = app.frmKeyvane.rect.top;
    app.platform.showForm(f, true);
}

void cmdDat1_Click(App& app) {
    TakeEntry(app, kTxtDat1, app.options.ctrlSpaceCount);
    TakeEntry(app, kTxtDat2, app.options.ctrlQuoteCount);
    CloseCustomizeDialog(app);
}

void AddCustomizeHandlers(Handlers& h) {
    h.menus.emplace(kMnuCtrlSpace, OpenCustomizeDialog);
    h.events.emplace(EventKey(kFrmDat, kCmdDat1, UserAction::Kind::Click),
                     [](App& app, const UserAction&) { cmdDat1_Click(app); });
    h.events.emplace(EventKey(kFrmDat, "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) { CloseCustomizeDialog(app); });
}
