#include "ui/AppWindows.h"

#include "ui/AddShortForm.h"
#include "ui/App.h"
#include "ui/ClipCommands.h"
#include "ui/Display.h"
#include "ui/DisplayPanel.h"
#include "ui/MultiClipboard.h"
#include "ui/QuibListWindow.h"
#include "ui/StartWindows.h"
#include "ui/Statistics.h"

void AppWindows::setDisplayText(std::string_view text) {
    SetDisplayText(app_, text);
}

std::string AppWindows::displayText() {
    return DisplayText(app_);
}

void AppWindows::setMainCaption(std::string_view caption) {
    SetMainCaption(app_, caption);
}

bool AppWindows::mainWindowMinimized() {
    return MainWindowMinimized(app_);
}

void AppWindows::showMainWindow(const TwipRect& rect) {
    app_.frmKeyvane.rect = rect;
    app_.platform.showForm(app_.frmKeyvane, false);
}

bool AppWindows::isOwnWindow(WindowId window) {
    if (window == 0) return false;
    for (const Form* f : OwnForms(app_))
        if (f->window == window) return true;
    return false;
}

void AppWindows::showStartWindows() {
    ShowStartWindows(app_);
}

void AppWindows::setPanelCaption(std::string_view caption) {
    SetPanelCaption(app_, caption);
}

std::string AppWindows::panelCaption() {
    return PanelCaption(app_);
}

void AppWindows::setPanelWidth(int twips) {
    SetPanelWidth(app_, twips);
}

void AppWindows::showPanel() {
    app_.platform.showForm(app_.frmKVDisp, false);
}

void AppWindows::hidePanel() {
    HidePanel(app_);
}

bool AppWindows::panelVisible() {
    return app_.frmKVDisp.visible;
}

TwipRect AppWindows::panelRect() {
    return app_.frmKVDisp.rect;
}

void AppWindows::movePanel(std::int32_t left, std::int32_t top) {
    app_.frmKVDisp.rect.left = left;
    app_.frmKVDisp.rect.top = top;
}

void AppWindows::positionFloatingPanel() {
    PositionFloatingPanel(app_);
}

void AppWindows::placeFloatingPanel(std::int32_t left, std::int32_t top) {
    PlaceFloatingPanel(app_, left, top);
}

void AppWindows::cycleDisplayPanel() {
    CycleDisplayPanel(app_);
}

void AppWindows::toggleHighlightDisplay() {
    ToggleHighlightDisplay(app_);
}

void AppWindows::showStatisticsWhileTyping() {
    ShowStatisticsWhileTyping(app_);
}

void AppWindows::captureCopyOrCut() {
    CaptureCopyOrCut(app_);
}

void AppWindows::calculateCapturedClip() {
    CalculateCapturedClip(app_);
}

void AppWindows::runMultiClipboard() {
    RunMultiClipboard(app_);
}

void AppWindows::toggleQuibList() {
    ToggleQuibList(app_);
}

AddResult AppWindows::addShortForm(std::string_view shortForm, std::string_view expansion,
                                   char state) {
    return AddShortForm(app_, shortForm, expansion, state);
}
