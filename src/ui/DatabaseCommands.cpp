#include "ui/DatabaseCommands.h"

#include "store/DataFile.h"
#include "store/DatabaseSwitch.h"
#include "store/Save.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Editor.h"
#include "ui/Exit.h"
#include "ui/FileDialogs.h"

#include <string>

namespace {

constexpr std::string_view kTitle = "Quibnote";
// The platform offers no OK and Cancel pair: Yes stands for OK, and No and Cancel both cancel.
constexpr MsgButtons kOkCancel = MsgButtons::YesNoCancel;

DatabaseType TypeInUse(const App& app) {
    return TypeOfDatabase(app.db.settingsLine);
}

// The database that a switch would load must be there, usable and of its type; otherwise the
// switch is refused before anything is written.
bool WaitingDatabaseReady(App& app, DatabaseType to) {
    Platform& p = app.platform;
    const std::string_view name = WaitingFileOf(to);
    const DatabaseFileCheck check = CheckDatabaseFile(p, DataFilePath(p, name));
    const char* type = to == DatabaseType::Original ? "Original" : "Custom";
    std::string problem;
    if (!check.readable)
        problem = std::string(type) + " database '" + std::string(name) + "' not found in " +
                  std::string(kTitle) + " folder";
    else if (!check.problem.empty())
        problem = std::string(type) + " database '" + std::string(name) +
                  "' cannot be used: " + check.problem + ".";
    else if (TypeOfDatabase(check.settingsLine) != to)
        problem = "'" + std::string(name) + "' in the " + std::string(kTitle) +
                  " folder does not hold the " + type + " database.";
    if (problem.empty()) return true;
    p.messageBox(problem, kTitle, MsgButtons::Ok, MsgIcon::None);
    return false;
}

void SwitchTo(App& app, DatabaseType to, std::string_view title, std::string_view question) {
    Platform& p = app.platform;
    // The menu offers only the other type; this keeps a stale menu from copying a database over
    // the one it should be kept beside.
    if (app.options.protectedMode || TypeInUse(app) == to) return;
    if (!WaitingDatabaseReady(app, to)) return;
    CloseEditor(app); // its suspension of the expander is no setting to save
    if (!SaveSession(app, "The database was not changed.")) return;
    if (p.messageBox(question, title, kOkCancel, MsgIcon::Information) != MsgAnswer::Yes) return;
    const FileStatus switched = SwitchDatabaseFiles(p, to);
    if (!switched.ok) {
        p.messageBox("The database could not be switched:\r\n" + switched.error +
                         "\r\n\r\nQuibnote keeps using the database it has.",
                     kTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    EndProgram(app);
}

void SetItem(App& app, std::string_view name, std::string_view caption, bool enabled) {
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, name)) {
        item->caption = caption;
        item->enabled = enabled;
    }
}

void EnableItem(App& app, std::string_view name, bool enabled) {
    if (MenuItem* item = FindMenuItem(app.frmKeyvane, name)) item->enabled = enabled;
}

} // namespace

void RefreshFileMenu(App& app) {
    const bool open = !app.options.protectedMode;
    EnableItem(app, kMnuExport, open);
    EnableItem(app, kMnuImport, open);
    if (MenuItem* exit = FindMenuItem(app.frmKeyvane, kMnuExit))
        exit->caption = open ? "E&xit and save" : "E&xit";
    if (TypeInUse(app) == DatabaseType::Custom) {
        SetItem(app, kMnuCustomDB, "Using Custom database", false);
        SetItem(app, kMnuOriginalDB, "Change to &Original database", open);
    } else {
        SetItem(app, kMnuOriginalDB, "Using Original database", false);
        SetItem(app, kMnuCustomDB, "Change to &Custom database", open);
    }
}

void ChangeToOriginalDatabase(App& app) {
    SwitchTo(app, DatabaseType::Original, "Load Original Database",
             "This will reload Quibnote's Original database of short forms.\r"
             "On clicking OK, Quibnote will close. When you run\r"
             "Quibnote after this, it will load with the Original database.\r"
             "If you want to keep using the Custom short form\r"
             "database, click Cancel.");
}

void ChangeToCustomDatabase(App& app) {
    SwitchTo(app, DatabaseType::Custom, "Load Custom Database",
             "This will load Quibnote's Custom short forms database.\r"
             "On clicking OK, Quibnote will close. When you run\r"
             "Quibnote after this, it will load with the Custom database.\r"
             "If you want to keep using the Original short form\r"
             "database, click Cancel.");
}

void ExportDatabase(App& app) {
    Platform& p = app.platform;
    if (app.options.protectedMode) return;
    const std::optional<std::string> to =
        p.saveFileDialog("Choose a folder or drive (^_) to save to", kDatabaseFilter);
    if (!to) return;
    const FileStatus copied = p.copyFile(DataFilePath(p, DatabaseFileName), ChosenFile(p, *to));
    // The user would otherwise take the database for kept while it is not.
    if (!copied.ok)
        p.messageBox("The database was not exported:\r\n" + copied.error, kTitle, MsgButtons::Ok,
                     MsgIcon::Exclamation);
}

void ImportDatabase(App& app) {
    Platform& p = app.platform;
    if (app.options.protectedMode) return;
    if (p.messageBox("This command will replace the current short forms database with the\r"
                     "one you will load from a CD or a flash drive. Have you\r"
                     "exported the current database so you can restore it if you need to?\r"
                     "If not, click 'Cancel' and do so now. After loading the new database,\r"
                     "Quibnote will close. On reloading Quibnote, the imported\r"
                     " database will be used.",
                     "Quibnote Import", kOkCancel, MsgIcon::Information) != MsgAnswer::Yes)
        return;
    const std::optional<std::string> chosen =
        p.openFileDialog("Choose shortforms database to import", kDatabaseFilter);
    if (!chosen) return;
    const std::string from = ChosenFile(p, *chosen);
    const DatabaseFileCheck check = CheckDatabaseFile(p, from);
    if (!check.readable) {
        p.messageBox("Short forms database not found.", kTitle, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    // A file the next start could not load would leave the user without a working database.
    if (!check.problem.empty()) {
        p.messageBox("This file is not a short forms database: " + check.problem + ".", kTitle,
                     MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (TypeOfDatabase(check.settingsLine) != TypeInUse(app)) {
        p.messageBox("You can only import a database of the same type,\r"
                     "Original or Custom, as the type Quibnote is now using.\r"
                     "Change to the other type from the File menu, and try again.",
                     kTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const FileStatus copied = p.copyFile(from, DataFilePath(p, DatabaseFileName));
    if (!copied.ok) {
        p.messageBox("The database could not be imported:\r\n" + copied.error, kTitle,
                     MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    EndProgram(app);
}
