#include "ui/Dispatch.h"

#include "app/App.h"
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

const std::map<std::string_view, std::function<void(App&)>>& MenuCommands() {
    static const std::map<std::string_view, std::function<void(App&)>> commands = {
        {"mnuExit", RunExitSequence},
        {"mnuExitNoSave", ExitWithoutSaving},
        {"mnuExpandOffOn", ToggleExpanderByMenu},
        {"mnuCSFullSpeed", ToggleFullSpeed},
    };
    return commands;
}

} // namespace

void HandleUserAction(App& app, const UserAction& action) {
    using Kind = UserAction::Kind;
    if (action.kind == Kind::Menu) {
        const auto& commands = MenuCommands();
        if (auto it = commands.find(action.control); it != commands.end()) it->second(app);
    } else if (action.kind == Kind::Close && action.form == "frmKeyvane") {
        RunExitSequence(app);
    }
}
