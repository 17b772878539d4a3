#pragma once

#include "engine/CaretScan.h"
#include "platform/Platform.h"

struct Core;

// Places the floating display panel just above the line the user types in: after a word ends,
// idle passes look for the caret in the window under the typing, one row of pixels each, and
// the panel goes above the bar found, or above the lowest text seen when there is none.
struct CaretSearchState {
    bool searchPending = false; // a delimiter asked for a search
    bool firstRow = false;      // the next search pass starts the search
    bool skip = false;          // the first idle pass after a delimiter only clears this
    WindowId scanWindow = 0;
    PixelRect scanRect;
    CaretScan scan;
};

// Every delimiter asks for a new search, which starts from the bottom again.
void NoteDelimiterForCaretSearch(Core& core);
// An idle pass: one step of the search, while the floating panel's cycle asks for one.
void RunCaretSearch(Core& core);
