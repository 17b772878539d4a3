#include "platform/sim/SimDesktop.h"
#include "ui/App.h"
#include "ui/ColorDialog.h"
#include "ui/CustomizeDialog.h"
#include "ui/Dispatch.h"
#include "ui/EditorForm.h"
#include "ui/MainWindowModel.h"
#include "ui/QuibListForm.h"
#include "ui/Tips.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using K = UserAction::Kind;

UserAction Action(K kind, const std::string& form, const std::string& control = {},
                  int index = -1) {
    UserAction a;
    a.kind = kind;
    a.form = form;
    a.control = control;
    a.index = index;
    return a;
}

void AddMenuActions(const Form& form, const std::vector<MenuItem>& items,
                    std::vector<UserAction>& actions) {
    for (const MenuItem& item : items) {
        if (!item.name.empty()) actions.push_back(Action(K::Menu, form.name, item.name));
        AddMenuActions(form, item.items, actions);
    }
}

// Everything a backend can report about the form: its Close, each menu item, and every kind of
// action on every control.
std::vector<UserAction> EveryAction(const Form& form) {
    std::vector<UserAction> actions{Action(K::Close, form.name)};
    AddMenuActions(form, form.menus, actions);
    for (const Control& c : form.controls)
        for (const K kind :
             {K::Click, K::Change, K::Scroll, K::MouseDown, K::MouseMove, K::MouseUp})
            actions.push_back(Action(kind, form.name, c.name, c.index));
    return actions;
}

std::string Describe(const UserAction& a) {
    return a.form + "." + a.control + "(" + std::to_string(a.index) + ") kind " +
           std::to_string(static_cast<int>(a.kind));
}

} // namespace

TEST(Dispatch, EveryMenuItemAndControlThatHasAnEventReachesAHandler) {
    const Form forms[] = {MakeMainWindowForm(), MakeDisplayPanelForm(), MakeTipsForm(),
                          MakeColorForm(),      MakeCustomizeForm(),    MakeEditorForm(),
                          MakeQuibListForm()};
    for (const Form& form : forms) {
        for (const UserAction& a : EveryAction(form)) {
            if (MustBeAnswered(form, a)) {
                EXPECT_TRUE(HasHandler(a)) << Describe(a);
            }
        }
    }
    // What counts as an event: a menu item's choice, not the opening of its submenu; a button's
    // click, not a label's; the Close of a window with a frame.
    const Form& main = forms[0];
    EXPECT_TRUE(MustBeAnswered(main, Action(K::Menu, "frmKeyvane", "mnuExit")));
    EXPECT_FALSE(MustBeAnswered(main, Action(K::Menu, "frmKeyvane", "mnuFile")));
    EXPECT_TRUE(MustBeAnswered(main, Action(K::Click, "frmKeyvane", "cmdAtoZ", 3)));
    EXPECT_FALSE(MustBeAnswered(main, Action(K::Change, "frmKeyvane", "txtDisplay")));
    EXPECT_TRUE(MustBeAnswered(main, Action(K::Close, "frmKeyvane")));
    EXPECT_FALSE(MustBeAnswered(forms[1], Action(K::Close, "frmKVDisp")));
}

TEST(Dispatch, AButtonWithoutAHandlerStopsADebugBuild) {
    SimDesktop sim("/nowhere/");
    App app(sim);
    app.frmEdit = MakeEditorForm();
    Control button;
    button.name = "cmdNobodysButton";
    button.kind = ControlKind::Button;
    app.frmEdit.controls.push_back(button);
    const UserAction click = Action(K::Click, "frmEdit", "cmdNobodysButton");
    EXPECT_FALSE(HasHandler(click));
    EXPECT_DEBUG_DEATH(HandleUserAction(app, click), "reached no handler");
    // A label's click has nothing to answer.
    HandleUserAction(app, Action(K::Click, "frmEdit", "lblShFm"));
}
