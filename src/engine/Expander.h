#pragma once

struct Core;

// F9 in the main loop: captions, hiding, and a half-second pause so the key is let go.
void TurnExpanderOffByKey(Core& core);
// The menu command: off at once when on; when off, asks the off loop to turn it on.
void ToggleExpanderByMenu(Core& core);
// The off loop turning the expander on (F9 or the menu's request).
void TurnExpanderOn(Core& core);
