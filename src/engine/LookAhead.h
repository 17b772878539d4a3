#pragma once

struct App;

// Starts the look-ahead over for a new word or a changed one.
void ResetLookAhead(App& app);

// One idle pass's share of the look-ahead lists shown in the display box while the user pauses
// inside a word: first the short forms one letter longer than the word (seven candidate letters
// a pass), then the longer ones that begin with it (seven records a pass).
void RunLookAhead(App& app);
