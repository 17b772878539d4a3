#include "ui/Dispatch.h"

#include "ui/App.h"
#include "ui/Handlers.h"

#include <cassert>

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

const Handlers& AllHandlers() {
    static const Handlers handlers = MakeHandlers();
    return handlers;
}

[[maybe_unused]] bool MustBeAnsweredByApp(App& app, const UserAction& action) {
    for (const Form* f : OwnForms(app))
        if (f->name == action.form) return MustBeAnswered(*f, action);
    return true; // an action of a window the program does not have
}

} // namespace

std::string EventKey(std::string_view form, std::string_view control, UserAction::Kind kind) {
    return std::string(form) + "." + std::string(control) + "#" +
           std::to_string(static_cast<int>(kind));
}

bool MustBeAnswered(const Form& form, const UserAction& action) {
    using K = UserAction::Kind;
    switch (action.kind) {
    case K::Menu: {
        const MenuItem* item = FindMenuItem(form, action.control);
        return item && item->items.empty();
    }
    case K::Close:
        return !form.borderless;
    case K::Click:
    case K::Scroll: {
        const Control* c = FindControl(form, action.control, action.index);
        if (!c) return false;
        if (action.kind == K::Scroll) return c->kind == ControlKind::ScrollBar;
        return c->kind == ControlKind::Button || c->kind == ControlKind::CheckBox;
    }
    case K::Change:
    case K::MouseDown:
    case K::MouseMove:
    case K::MouseUp:
        return false;
    }
    return false;
}

bool HasHandler(const UserAction& action) {
    const Handlers& handlers = AllHandlers();
    if (action.kind == UserAction::Kind::Menu) return handlers.menus.contains(action.control);
    return handlers.events.contains(EventKey(action.form, action.control, action.kind));
}

void HandleUserAction(App& app, const UserAction& action) {
    assert((HasHandler(action) || !MustBeAnsweredByApp(app, action)) &&
           "a user action reached no handler");
    const Handlers& handlers = AllHandlers();
    if (action.kind == UserAction::Kind::Menu) {
        if (auto it = handlers.menus.find(action.control); it != handlers.menus.end())
            it->second(app);
    } else if (auto it = handlers.events.find(EventKey(action.form, action.control, action.kind));
               it != handlers.events.end()) {
        it->second(app, action);
    }
}
