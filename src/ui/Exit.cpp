#include "ui/Exit.h"

#include "store/Save.h"
#include "ui/App.h"
#include "ui/Geometry.h"
#include "ui/Statistics.h"

void EndProgram(App& app) {
    for (Form* f : OwnForms(app)) {
        if (f->visible) app.platform.hideForm(*f);
        f->open = false;
    }
}

bool SaveSession(App& app, std::string_view afterFailure) {
    Platform& p = app.platform;
    bool keepSettings = false;
    if (app.db.settingsChanged)
        keepSettings = p.messageBox("Save changes to settings made during this session?",
                                    "Quibnote: Save Changes?", MsgButtons::YesNo,
                                    MsgIcon::Question) == MsgAnswer::Yes;
    if (!app.db.databaseChanged && !keepSettings) return true;
    const FileStatus saved = SaveDatabase(p, app.db, app.options, keepSettings);
    if (saved.ok) return true;
    p.messageBox("Quibnote could not save your short forms and settings.\r\n" + saved.error +
                     "\r\n\r\n" + std::string(afterFailure),
                 "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

void RunExitSequence(App& app) {
    CheckSizeAndPos(app);
    ShowStatisticsAtClose(app);
    if (!app.options.protectedMode &&
        !SaveSession(app, "Nothing was lost: Quibnote keeps running."))
        return;
    EndProgram(app);
}

void ExitWithoutSaving(App& app) {
    // Where the user left the window is a change of this session too, and is not to be saved.
    CheckSizeAndPos(app);
    app.db.databaseChanged = false;
    app.db.settingsChanged = false;
    RunExitSequence(app);
}
