#pragma once

#include "platform/FormHost.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

struct App;

// What the program does when the user acts on its windows. Each window or menu adds its own
// handlers from its own file; Dispatch routes every user action through this table.
struct Handlers {
    // By menu item name.
    std::map<std::string, std::function<void(App&)>, std::less<>> menus;
    // By EventKey(form, control, kind); a form's Close has an empty control.
    std::map<std::string, std::function<void(App&, const UserAction&)>, std::less<>> events;
};

std::string EventKey(std::string_view form, std::string_view control, UserAction::Kind kind);

void AddFileMenuHandlers(Handlers& h);
void AddEditMenuHandlers(Handlers& h);
void AddOptionsMenuHandlers(Handlers& h);
void AddMainWindowHandlers(Handlers& h);
void AddIntroductionHandlers(Handlers& h);
void AddDisplayPanelHandlers(Handlers& h);
void AddStatisticsHandlers(Handlers& h);
void AddTipsHandlers(Handlers& h);
void AddColorHandlers(Handlers& h);
void AddGeometryHandlers(Handlers& h);
void AddCustomizeHandlers(Handlers& h);
void AddEditorHandlers(Handlers& h);
void AddClipHandlers(Handlers& h);
