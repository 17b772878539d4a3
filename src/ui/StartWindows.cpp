#include "ui/StartWindows.h"

#include "ui/App.h"
#include "ui/ColorDialog.h"
#include "ui/DisplayPanel.h"
#include "ui/Geometry.h"
#include "ui/Introduction.h"
#include "ui/MainWindow.h"
#include "ui/Tips.h"

void ShowStartWindows(App& app) {
    const Options& o = app.options;
    ApplySettingsColors(app);
    SetFontSize(app, o.fontSize);
    ApplyGeometry(app);
    ShowIntroduction(app);
    if (o.startMinimized) {
        app.frmKeyvane.state = WindowState::Minimized;
        LayoutMainWindow(app);
    }
    SetFloatingDefault(app);
    if (o.tipAtStart) ShowTips(app);
    PlacePanelAtStart(app);
    ShowOrHidePanelWithMainWindow(app);
}
