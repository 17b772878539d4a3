#include "ui/CustomListCommand.h"
#include "ui/DatabaseCommands.h"
#include "ui/Editor.h"
#include "ui/Exit.h"
#include "ui/Handlers.h"

void AddFileMenuHandlers(Handlers& h) {
    h.menus.emplace("mnuFile", RefreshFileMenu);
    h.menus.emplace("mnuExport", ExportDatabase);
    h.menus.emplace("mnuImport", ImportDatabase);
    h.menus.emplace("mnuOriginalDB", ChangeToOriginalDatabase);
    h.menus.emplace("mnuCustomDB", ChangeToCustomDatabase);
    h.menus.emplace("mnuCustListAdd", [](App& app) { CustomList(app, ListAction::Adding); });
    h.menus.emplace("mnuCustListRemove", [](App& app) { CustomList(app, ListAction::Removing); });
    // The editor's suspension of the expander is not a setting of the user's to save.
    h.menus.emplace("mnuExit", [](App& app) {
        CloseEditor(app);
        RunExitSequence(app);
    });
    h.menus.emplace("mnuExitNoSave", ExitWithoutSaving);
    h.events.emplace(EventKey("frmKeyvane", "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) {
                         CloseEditor(app);
                         RunExitSequence(app);
                     });
}
