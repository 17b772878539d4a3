#pragma once

#include "engine/PassReadings.h"

struct Core;

// A key that ends the word: types an armed expansion in place of the short form (unless Shift
// with Space or Tab, or the back-quote, keeps it back), counts, and starts the next word.
// False when the key was already taken in an earlier pass (held down).
bool RunDelimiterSequence(Core& core, const PassReadings& k);
