#pragma once

#include "keyout/KeyOutState.h"
#include "platform/Platform.h"

#include <string_view>

// Types a key script into whatever has the keyboard focus: ordinary characters as the keys
// that produce them (through the clipboard when no key does), four-character key tokens such
// as "{^c}", "{B3}" or "{X5}" as keys, chords, waits and mouse actions, and "{'...}" comments
// not at all. A key held with a hold token ("{^+}") stays down until "{^-}" or the script's
// end. Returns once the last key is sent, every held key is let go of and a borrowed clipboard
// is given back.
void TypeKeyScript(Platform& p, KeyOutState& k, std::string_view script);
