#include "app/App.h"
#include "engine/Expander.h"
#include "ui/Handlers.h"

namespace {

void ToggleFullSpeed(App& app) {
    app.options.fullSpeed = !app.options.fullSpeed;
    app.db.settingsChanged = true;
}

} // namespace

void AddOptionsMenuHandlers(Handlers& h) {
    h.menus.emplace("mnuExpandOffOn", ToggleExpanderByMenu);
    h.menus.emplace("mnuCSFullSpeed", ToggleFullSpeed);
}
