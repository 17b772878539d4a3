#pragma once

#include "platform/FormHost.h"

struct App;

// Turns what the user did to one of the program's windows into its handler.
void HandleUserAction(App& app, const UserAction& action);
