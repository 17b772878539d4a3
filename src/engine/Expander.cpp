#include "engine/Expander.h"

#include "app/App.h"
#include "engine/Display.h"
#include "keyout/Primitives.h"

void TurnExpanderOffByKey(App& app) {
    SetPanelCaption(app, kPanelOff);
    SetMainCaption(app, kCaptionOff);
    app.options.expanderOn = false;
    if (app.options.panelAlwaysVisible) HidePanel(app);
    Pause(app.platform, 0.5f);
}

void ToggleExpanderByMenu(App& app) {
    app.db.settingsChanged = true;
    if (app.options.expanderOn) {
        SetPanelCaption(app, kPanelOff);
        SetMainCaption(app, kCaptionOff);
        app.options.expanderOn = false;
    } else {
        SetMainCaption(app, kCaption);
        SetPanelCaption(app, "");
        app.engine.expanderToggleRequest = true;
    }
}

void TurnExpanderOn(App& app) {
    SetMainCaption(app, kCaption);
    if (PanelCaption(app) == kPanelOff) SetPanelCaption(app, "");
    Pause(app.platform, 0.5f);
    app.options.expanderOn = true;
    app.engine.expansion.floatingPanelCycle = 1;
    if (app.options.usePanel && app.options.panelAlwaysVisible)
        app.platform.showForm(app.frmKVDisp, false);
    app.engine.expanderToggleRequest = false;
}
