#pragma once

#include "engine/PassReadings.h"

struct Core;
struct WordState;

// How far a pass of the main loop got with its key.
enum class PassEnd {
    Idle,      // no key: the look-ahead list had its turn
    Stopped,   // a repeated key, or a key with Alt or Ctrl held
    Processed, // a letter with its look-up or display reset, or a delimiter through its boundary
};

// Takes the pass's key, if any, and runs it: a delimiter through the expansion decision, a
// continuing key into the current word.
PassEnd ProcessPassKey(Core& core, const PassReadings& k);

// The end of a word: the current word is emptied, and the word-start count starts again except
// where the delimiter continues a word (a period, a backslash, an apostrophe inside a word).
void ApplyWordBoundary(Core& core);

// No letters in the word (its typed capitals go with them).
void ClearWord(WordState& w);

// As after a delimiter that came long ago: no word, nothing armed, no key to guard against.
void ResetWordState(Core& core);
