#pragma once

struct App;

// Start-up once the main window shows: the settings applied to the windows, the introduction,
// start minimized, the floating panel's default place, the tip of the day.
void ShowStartWindows(App& app);
