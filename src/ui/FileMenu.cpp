#include "ui/Exit.h"
#include "ui/Handlers.h"

void AddFileMenuHandlers(Handlers& h) {
    h.menus.emplace("mnuExit", RunExitSequence);
    h.menus.emplace("mnuExitNoSave", ExitWithoutSaving);
    h.events.emplace(EventKey("frmKeyvane", "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) { RunExitSequence(app); });
}
