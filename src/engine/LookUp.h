#pragma once

struct App;

// After a letter (or Shift+Backspace): looks the current word up as a short form and, when it
// may be used, arms the expansion, prepares the keys that will replace it and shows it.
void LookUpWhileTyping(App& app);

// Nothing to show for the word any more: the panel empties or hides, the caption says a word is
// being typed.
void ResetDisplay(App& app);
