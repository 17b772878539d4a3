#include "ui/Display.h"

#include "ui/App.h"
#include "ui/ControlNames.h"

namespace {

constexpr std::size_t kDisplayBoxLimit = 28'000;
constexpr std::string_view kRestOfListNote =
    "...\r\n\r\nTo see the rest of this list, hold down the\r\n"
    "Ctrl key and click the letter button again.";

} // namespace

void SetDisplayText(App& app, std::string_view text) {
    Control* box = FindControl(app.frmKeyvane, kTxtDisplay);
    if (!box) return;
    if (text.size() <= kDisplayBoxLimit) {
        box->text = text;
        return;
    }
    box->text = text.substr(0, kDisplayBoxLimit);
    box->text += kRestOfListNote;
}

std::string DisplayText(App& app) {
    const Control* box = FindControl(app.frmKeyvane, kTxtDisplay);
    return box ? box->text : std::string();
}

void SetMainCaption(App& app, std::string_view caption) {
    app.frmKeyvane.caption = caption;
}

void SetPanelCaption(App& app, std::string_view caption) {
    if (Control* label = FindControl(app.frmKVDisp, kLblKVDisp)) label->caption = caption;
}

std::string PanelCaption(App& app) {
    const Control* label = FindControl(app.frmKVDisp, kLblKVDisp);
    return label ? label->caption : std::string();
}

void SetPanelWidth(App& app, int twips) {
    if (Control* label = FindControl(app.frmKVDisp, kLblKVDisp)) label->rect.width = twips;
    app.frmKVDisp.rect.width = twips + 60;
}

void HidePanel(App& app) {
    app.platform.hideForm(app.frmKVDisp);
}

bool MainWindowMinimized(const App& app) {
    return app.frmKeyvane.state == WindowState::Minimized;
}
