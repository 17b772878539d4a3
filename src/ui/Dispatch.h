#pragma once

#include "platform/Form.h"
#include "platform/FormHost.h"

struct App;

// Turns what the user did to one of the program's windows into its handler. An action that the
// program must answer and that no handler takes is a fault of the program: a debug build stops
// at it.
void HandleUserAction(App& app, const UserAction& action);

// The actions the program must answer: choosing a menu item without a submenu, clicking a button
// or a check box, moving a scroll bar, and closing a window that has a frame. Opening a submenu
// lets a handler refresh it, where it needs one; labels and text boxes report every click, mouse
// action and change of their text, and the program answers the ones it wants.
bool MustBeAnswered(const Form& form, const UserAction& action);
// Whether a handler takes the action.
bool HasHandler(const UserAction& action);
