#pragma once

#include "clip/ClipState.h"
#include "engine/Core.h"
#include "platform/Form.h"
#include "store/ShortFormEditing.h"
#include "ui/AppWindows.h"
#include "ui/PresentationState.h"

#include <array>

// Everything one run of the program owns, passed by reference to every handler of its windows:
// the Core that the engine works on, and the windows' own state and form models. A test builds
// a fresh App on a fresh simulated desktop; there is no other mutable state.
struct App : Core {
    explicit App(Platform& p) : Core(p, appWindows), appWindows(*this) {}

    // The engine's way to the windows below; Core::windows refers to it.
    AppWindows appWindows;
    PresentationState view;
    EditorState editor;
    ClipState clip;
    Form frmKeyvane;
    Form frmKVDisp;
    Form frmKVHelp;
    Form frmColor;
    Form frmDat;
    Form frmEdit;
    Form frmPick;
};

// The program's top-level windows: never taken as the window to type into.
inline auto OwnForms(App& app) {
    return std::to_array<Form*>({&app.frmKeyvane, &app.frmKVDisp, &app.frmKVHelp, &app.frmColor,
                                 &app.frmDat, &app.frmEdit, &app.frmPick});
}
