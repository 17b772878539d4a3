#include "ui/Dispatch.h"

#include "app/App.h"
#include "calc/CalcAndPaste.h"
#include "calc/FormulaSamples.h"
#include "engine/Expander.h"
#include "ui/Exit.h"

#include <functional>
#include <map>
#include <string_view>

namespace {

void ToggleFullSpeed(App& app) {
    app.options.fullSpeed = !app.options.fullSpeed;
    app.db.settingsChanged = true;
}

const FormulaSample* FindFormulaSample(std::string_view name) {
    for (const FormulaSample& s : FormulaSamples())
        if (s.menuName == name && !s.heading) return &s;
    return nullptr;
}

const std::map<std::string_view, std::function<void(App&)>>& MenuCommands() {
    static const std::map<std::string_view, std::function<void(App&)>> commands = {
        {"mnuExit", RunExitSequence},
        {"mnuExitNoSave", ExitWithoutSaving},
        {"mnuExpandOffOn", ToggleExpanderByMenu},
        {"mnuCSFullSpeed", ToggleFullSpeed},
        {"mnuCalcPaste", CalcPasteCommand},
    };
    return commands;
}

} // namespace

void HandleUserAction(App& app, const UserAction& action) {
    using Kind = UserAction::Kind;
    if (action.kind == Kind::Menu) {
        const auto& commands = MenuCommands();
        if (auto it = commands.find(action.control); it != commands.end())
            it->second(app);
        else if (const FormulaSample* sample = FindFormulaSample(action.control))
            TypeFormulaSample(app, *sample);
    } else if (action.kind == Kind::Click && action.form == "frmKeyvane") {
        if (action.control == "cmdCPaste") CalcPasteCommand(app);
    } else if (action.kind == Kind::Close && action.form == "frmKeyvane") {
        RunExitSequence(app);
    }
}
