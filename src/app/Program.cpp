#include "app/Program.h"

#include "app/App.h"
#include "engine/MainLoop.h"
#include "engine/Startup.h"
#include "ui/Dispatch.h"
#include "ui/MainWindowModel.h"

void RunProgram(App& app) {
    app.frmKeyvane = MakeMainWindowForm();
    app.frmKVDisp = MakeDisplayPanelForm();
    app.platform.attachForms(OwnForms(app));
    app.platform.setActionHandler([&app](const UserAction& a) { HandleUserAction(app, a); });
    if (StartUp(app)) RunMainLoop(app);
}
