#pragma once

struct Core;

// Starts the look-ahead over for a new word or a changed one.
void ResetLookAhead(Core& core);

// One idle pass's share of the look-ahead lists shown in the display box while the user pauses
// inside a word: first the short forms one letter longer than the word (seven candidate letters
// a pass), then the longer ones that begin with it (seven records a pass).
void RunLookAhead(Core& core);
