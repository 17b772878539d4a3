#pragma once

#include "clip/ClipState.h"
#include "engine/EngineState.h"
#include "keyout/KeyOutState.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "store/Database.h"
#include "store/Dictionary.h"
#include "store/Settings.h"
#include "store/ShortFormEditing.h"
#include "ui/PresentationState.h"

#include <array>

// Everything one run of the program owns, passed by reference to every procedure. A test builds
// a fresh App on a fresh simulated desktop; there is no other mutable state.
struct App {
    explicit App(Platform& p) : platform(p) {}

    Platform& platform;
    Database db;
    Options options;
    KeyOutState out;
    EngineState engine;
    SessionStats stats;
    PresentationState view;
    EditorState editor;
    DictionaryConfig dictionary;
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
