#pragma once

struct Core;

// After a letter (or Shift+Backspace): looks the current word up as a short form and, when it
// may be used, arms the expansion, prepares the keys that will replace it and shows it.
void LookUpWhileTyping(Core& core);

// Nothing to show for the word any more: the panel empties or hides, the caption says a word is
// being typed.
void ResetDisplay(Core& core);
