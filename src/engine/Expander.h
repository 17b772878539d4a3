#pragma once

struct App;

// F9 in the main loop: captions, hiding, and a half-second pause so the key is let go.
void TurnExpanderOffByKey(App& app);
// The menu command: off at once when on; when off, asks the off loop to turn it on.
void ToggleExpanderByMenu(App& app);
// The off loop turning the expander on (F9 or the menu's request).
void TurnExpanderOn(App& app);
