#pragma once

struct App;

// Closing the main window, or "E&xit and save": asks about changed settings, writes what
// changed, and ends the program. A failed write is reported and the program keeps running, so
// the user's changes are not lost with it.
void RunExitSequence(App& app);
// "Exit and &don't save".
void ExitWithoutSaving(App& app);
