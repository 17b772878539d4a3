#pragma once

#include <string_view>

struct App;

// Hides and closes every window of the program, which ends its main loop.
void EndProgram(App& app);
// The saving part of the exit sequence: the question about changed settings, then the save of
// what changed. False when the save failed; the user has been told, ending with afterFailure.
bool SaveSession(App& app, std::string_view afterFailure);

// Closing the main window, or "E&xit and save": asks about changed settings, writes what
// changed, and ends the program. A failed write is reported and the program keeps running, so
// the user's changes are not lost with it.
void RunExitSequence(App& app);
// "Exit and &don't save".
void ExitWithoutSaving(App& app);
