#pragma once

#include "engine/EngineState.h"
#include "engine/ProgramWindows.h"
#include "keyout/KeyOutState.h"
#include "platform/Platform.h"
#include "store/Database.h"
#include "store/Dictionary.h"
#include "store/Preferences.h"
#include "store/Settings.h"

// What one run owns below its windows: the desktop, the short forms, settings and preferences,
// key output's state, the engine's state and the session's counters, and the windows as the
// engine may ask them. Every procedure of the engine, the calculator's paste and the program's
// windows take it (the windows through App, which adds their own state).
struct Core {
    Core(Platform& p, ProgramWindows& w) : platform(p), windows(w) {}

    Platform& platform;
    ProgramWindows& windows;
    Database db;
    Options options;
    Preferences prefs;
    KeyOutState out;
    EngineState engine;
    SessionStats stats;
    DictionaryConfig dictionary;
};
