#include "ui/ControlNames.h"
#include "ui/CustomListCommand.h"
#include "ui/DatabaseCommands.h"
#include "ui/Editor.h"
#include "ui/Exit.h"
#include "ui/Handlers.h"

void AddFileMenuHandlers(Handlers& h) {
    h.menus.emplace(kMnuFile, RefreshFileMenu);
    h.menus.emplace(kMnuExport, ExportDatabase);
    h.menus.emplace(kMnuImport, ImportDatabase);
    h.menus.emplace(kMnuOriginalDB, ChangeToOriginalDatabase);
    h.menus.emplace(kMnuCustomDB, ChangeToCustomDatabase);
    h.menus.emplace(kMnuCustListAdd, [](App& app) { CustomList(app, ListAction::Adding); });
    h.menus.emplace(kMnuCustListRemove, [](App& app) { CustomList(app, ListAction::Removing); });
    // The editor's suspension of the expander is not a setting of the user's to save.
    h.menus.emplace(kMnuExit, [](App& app) {
        CloseEditor(app);
        RunExitSequence(app);
    });
    h.menus.emplace(kMnuExitNoSave, ExitWithoutSaving);
    h.events.emplace(EventKey(kFrmKeyvane, "", UserAction::Kind::Close),
                     [](App& app, const UserAction&) {
                         CloseEditor(app);
                         RunExitSequence(app);
                     });
}
