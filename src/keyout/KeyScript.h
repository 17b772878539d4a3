#pragma once

#include "keyout/KeyOutState.h"
#include "platform/Platform.h"

#include <string_view>

// Types a key script into whatever has the keyboard focus: ordinary characters as the keys
// that produce them (as themselves when no key of the layout does, or only with Ctrl or Alt),
// four-character key tokens such as "{^c}", "{B3}" or "{X5}" as keys, chords, waits and mouse
// actions, and "{'...}" comments not at all. Keys go in uninterrupted runs, so the user's keys
// land only before or after them; a run ends only at a wait, a mouse action or the script's end.
// A key held with a hold token ("{^+}") stays down until "{^-}" or the script's end. The text
// after, plain characters, follows in the same run once those keys are let go.
// Into a terminal (the focused window is KeyOutState's terminal window) a script that would send
// a command key is not typed: the desktop beeps instead.
void TypeKeyScript(Platform& p, KeyOutState& k, std::string_view script,
                   std::string_view after = {});

// Whether typing the script would send a key that a terminal takes as a command: Enter, Tab,
// Escape or another control character, or any key token but the editing keys (Backspace,
// Delete, Left, Right, Home, End) and the waits. Characters, comments and Backspaces are text.
bool SendsCommandKeys(std::string_view script, bool literal);
