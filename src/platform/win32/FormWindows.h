#pragma once

#include "platform/win32/Win32State.h"

#include <span>

// The program's windows: each form model rendered as a native window with its menus and
// controls, kept in step with the model whenever events run, and the user's actions on them
// handed to the program as UserActions.

void RegisterFormClass();
void AttachFormViews(Win32State& s, std::span<Form* const> forms);
void ShowFormWindow(Win32State& s, Form& form, bool activate);
void HideFormWindow(Win32State& s, Form& form);
// Runs the pending window messages, brings every window in step with its model, and returns how
// many of the program's forms are open. At the loop head, with no handler running, the windows
// of forms closed since are destroyed.
int RunPendingEvents(Win32State& s, EventSite site);
void DestroyFormViews(Win32State& s);
