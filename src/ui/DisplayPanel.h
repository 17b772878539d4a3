#pragma once

#include <cstdint>

struct App;

// The display panel frmKVDisp: off, anchored where the user dragged it, or floating free above
// the typing.

void ShowAnchored(App& app);
void ShowFloating(App& app);
// The floating panel's place before the caret has been seen: just above the window in the middle
// of the screen, centred on it, or high on the screen when that window reaches the top.
void SetFloatingDefault(App& app);
// Start-up: the panel stands at its anchored place, or at the floating one when it is on and
// not anchored.
void PlacePanelAtStart(App& app);
// After the main window changed size or state: the panel shows while it is on, always visible
// and the expander is on, and hides otherwise.
void ShowOrHidePanelWithMainWindow(App& app);
// The user pressed the left button on the panel's label at (x, y) twips inside it: the panel
// follows the pointer until the button is let go, which anchors it there, or Esc, which puts it
// back where it was.
void DragPanel(App& app, int x, int y);
// Moves the display panel to where the floating panel belongs now.
void PositionFloatingPanel(App& app);
// The floating panel's new place (twips), found by the caret search; the panel moves there.
void PlaceFloatingPanel(App& app, std::int32_t left, std::int32_t top);
// F11: anchored, then floating free, then off, then anchored again; the display box says which.
void CycleDisplayPanel(App& app);
// Ctrl+F11: the highlighted suggestion on or off; the display box says which.
void ToggleHighlightDisplay(App& app);
