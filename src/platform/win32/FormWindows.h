#pragma once

#include "platform/win32/Win32State.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// The program's windows: each form model rendered as a native window with its menus and
// controls, kept in step with the model whenever events run, and the user's actions on them
// handed to the program as UserActions.

void RegisterFormClass();
void AttachFormViews(Win32State& s, std::span<Form* const> forms);
void ShowFormWindow(Win32State& s, Form& form, bool activate);
void HideFormWindow(Win32State& s, Form& form);
// The character of a shown multi-line text box at a point in twips inside it, from the edit
// control itself (EM_CHARFROMPOS), so the wrapping of its rows is the window's own.
std::optional<std::size_t> TextIndexAt(Win32State& s, const Form& form, std::string_view control,
                                       int x, int y);
// Runs the pending window messages, brings every window in step with its model, and returns how
// many of the program's forms are open. At the loop head, with no handler running, the windows
// of forms closed since are destroyed.
int RunPendingEvents(Win32State& s, EventSite site);
// The forms the program has open.
int OpenFormCount(const Win32State& s);
void DestroyFormViews(Win32State& s);
