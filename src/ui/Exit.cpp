#include "ui/Exit.h"

#include "store/Save.h"
#include "ui/App.h"
#include "ui/Geometry.h"
#include "ui/Statistics.h"

namespace {

void EndProgram(App& app) {
    for (Form* f : OwnForms(app)) {
        if (f->visible) app.platform.hideForm(*f);
        f->open = false;
    }
}

} // namespace

void RunExitSequence(App& app) {
    Platform& p = app.platform;
    CheckSizeAndPos(app);
    ShowStatisticsAtClose(app);
    if (!app.options.protectedMode) {
        bool keepSettings = false;
        if (app.db.settingsChanged)
            keepSettings = p.messageBox("Save changes to settings made during this session?",
                                        "Quibnote: Save Changes?", MsgButtons::YesNo,
                                        MsgIcon::Question) == MsgAnswer::Yes;
        if (app.db.databaseChanged || keepSettings) {
            const FileStatus saved = SaveDatabase(p, app.db, app.options, keepSettings);
            if (!saved.ok) {
                p.messageBox("Quibnote could not save your short forms and settings.\r\n" +
                                 saved.error + "\r\n\r\nNothing was lost: Quibnote keeps running.",
                             "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
                return;
            }
        }
    }
    EndProgram(app);
}

void ExitWithoutSaving(App& app) {
    // Where the user left the window is a change of this session too, and is not to be saved.
    CheckSizeAndPos(app);
    app.db.databaseChanged = false;
    app.db.settingsChanged = false;
    RunExitSequence(app);
}
