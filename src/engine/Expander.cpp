#include "engine/Expander.h"

#include "app/App.h"
#include "keyout/Primitives.h"

namespace {
constexpr const char* kOffMark = ": -X->";
}

void SetMainCaption(App& app, bool expanderOff) {
    app.frmKeyvane.caption = expanderOff ? std::string("Quibnote") + kOffMark : "Quibnote";
}

void SetPanelCaption(App& app, const char* caption) {
    if (Control* label = FindControl(app.frmKVDisp, "lblKVDisp")) label->caption = caption;
}

void TurnExpanderOffByKey(App& app) {
    SetPanelCaption(app, kOffMark);
    SetMainCaption(app, true);
    app.options.expanderOn = false;
    if (app.options.panelAlwaysVisible) app.platform.hideForm(app.frmKVDisp);
    Pause(app.platform, 0.5f);
}

void ToggleExpanderByMenu(App& app) {
    app.db.settingsChanged = true;
    if (app.options.expanderOn) {
        SetPanelCaption(app, kOffMark);
        SetMainCaption(app, true);
        app.options.expanderOn = false;
    } else {
        SetMainCaption(app, false);
        SetPanelCaption(app, "");
        app.engine.expanderToggleRequest = true;
    }
}

void TurnExpanderOn(App& app) {
    SetMainCaption(app, false);
    if (Control* label = FindControl(app.frmKVDisp, "lblKVDisp");
        label && label->caption == kOffMark)
        label->caption.clear();
    Pause(app.platform, 0.5f);
    app.options.expanderOn = true;
    if (app.options.usePanel && app.options.panelAlwaysVisible)
        app.platform.showForm(app.frmKVDisp, false);
    app.engine.expanderToggleRequest = false;
}
