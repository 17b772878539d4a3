#include "ui/Dispatch.h"

#include "ui/Handlers.h"

namespace {

Handlers MakeHandlers() {
    Handlers h;
    AddFileMenuHandlers(h);
    AddEditMenuHandlers(h);
    AddOptionsMenuHandlers(h);
    AddMainWindowHandlers(h);
    AddIntroductionHandlers(h);
    AddDisplayPanelHandlers(h);
    AddStatisticsHandlers(h);
    AddTipsHandlers(h);
    AddColorHandlers(h);
    AddGeometryHandlers(h);
    AddCustomizeHandlers(h);
    AddEditorHandlers(h);
    AddClipHandlers(h);
    return h;
}

} // namespace

std::string EventKey(std::string_view form, std::string_view control, UserAction::Kind kind) {
    return std::string(form) + "." + std::string(control) + "#" +
           std::to_string(static_cast<int>(kind));
}

void HandleUserAction(App& app, const UserAction& action) {
    static const Handlers handlers = MakeHandlers();
    if (action.kind == UserAction::Kind::Menu) {
        if (auto it = handlers.menus.find(action.control); it != handlers.menus.end())
            it->second(app);
        return;
    }
    if (auto it = handlers.events.find(EventKey(action.form, action.control, action.kind));
        it != handlers.events.end())
        it->second(app, action);
}
