#include "app/Program.h"

#include "engine/MainLoop.h"
#include "engine/Startup.h"
#include "ui/App.h"
#include "ui/ColorDialog.h"
#include "ui/CustomizeDialog.h"
#include "ui/Dispatch.h"
#include "ui/EditorForm.h"
#include "ui/MainWindowModel.h"
#include "ui/Tips.h"

void RunProgram(App& app) {
    app.frmKeyvane = MakeMainWindowForm();
    app.frmKVDisp = MakeDisplayPanelForm();
    app.frmKVHelp = MakeTipsForm();
    app.frmColor = MakeColorForm();
    app.frmDat = MakeCustomizeForm();
    app.frmEdit = MakeEditorForm();
    app.platform.attachForms(OwnForms(app));
    app.platform.setActionHandler([&app](const UserAction& a) { HandleUserAction(app, a); });
    if (StartUp(app)) RunMainLoop(app);
}
