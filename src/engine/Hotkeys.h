#pragma once

struct App;

// The hotkeys of the continuing-key path while Alt is held. Alt+S lets the current word expand
// whatever its length.
void RunAltHotkeys(App& app);
// Ctrl+C and Ctrl+X, on the continuing-key path and in the expander-off loop: once every key of
// the chord is up, the application has put the text on the clipboard, and it is captured.
void RunCtrlHotkeys(App& app);
