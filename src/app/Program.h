#pragma once

struct App;

// One run of the program on whatever desktop the App's platform is: start-up, then the main
// loop until the last window closes.
void RunProgram(App& app);
