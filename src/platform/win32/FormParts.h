#pragma once

#include "platform/win32/Win32State.h"

// The pieces the form windows are made of, shared by FormWindows, FormControls and FormMenus.

// Hands one user action to the program and brings the windows in step with what its handler
// changed.
void Deliver(Win32State& s, const UserAction& action);

HBRUSH BrushOf(Win32State& s, std::uint32_t colour);
HFONT FontOf(Win32State& s, int points);

// Controls: created for the model's controls, kept in step with them, painted, and their
// notifications turned into actions.
void SyncControls(Win32State& s, FormView& v);
ControlView* ControlOf(FormView& v, HWND control);
void DrawOwnerButton(Win32State& s, FormView& v, const DRAWITEMSTRUCT& item);
HBRUSH ControlColour(Win32State& s, FormView& v, HWND control, HDC dc);
void OnControlCommand(FormView& v, HWND control, WORD code);
void OnControlScroll(FormView& v, HWND bar, WORD code);

// Menus: the bar rebuilt when the model's menus changed, a submenu refilled as it opens, and a
// command turned into a menu action.
void SyncMenus(FormView& v);
void OnMenuOpening(FormView& v, HMENU popup);
void OnMenuCommand(FormView& v, UINT id);
