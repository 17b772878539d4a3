#pragma once

#include <cstdint>

struct App;

// What the engine asks of the program's windows. The window code defines these; the engine only
// names them here, so it never depends on that code.

// Start-up once the main window shows: the settings applied to the windows, the introduction,
// start minimized, the floating panel's default place, the tip of the day.
void ShowStartWindows(App& app);
// Moves the display panel to where the floating panel belongs now.
void PositionFloatingPanel(App& app);
// The floating panel's new place (twips), found by the caret search; the panel moves there.
void PlaceFloatingPanel(App& app, std::int32_t left, std::int32_t top);
// "So far" and the session's statistics in the display box, when the user wants them while
// typing and look-ahead is on.
void ShowStatisticsWhileTyping(App& app);
// F11: anchored, then floating free, then off, then anchored again; the display box says which.
void CycleDisplayPanel(App& app);
// Ctrl+F11: the highlighted suggestion on or off; the display box says which.
void ToggleHighlightDisplay(App& app);
