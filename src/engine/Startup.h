#pragma once

struct Core;

// Start-up up to the main loop: ends a second instance, loads the database and the settings,
// shows the main window and flushes the keys pressed before the loop. False: do not run.
bool StartUp(Core& core);
