#pragma once

#include "platform/Form.h"

// Where the Quib List goes when it shows (lengths in twips): beside the main window, its right
// edge on the main window's left edge and level with its top; or where the user last moved it.

struct QuibPlacement {
    TwipRect main; // the main window, moved right or narrowed where the two did not fit
    int left = 0;  // the list's
    int top = 0;
};

// Beside the main window. Where there is no room left of it, the main window first moves right
// as far as the screen lets it, then narrows, though never below its designed width; a list that
// still has no room overlaps it from the screen's left edge.
QuibPlacement PlaceBesideMainWindow(TwipRect main, TwipRect list, int screenWidth,
                                    int screenHeight);

// The top for a list that would otherwise end less than 500 twips above the screen's bottom.
int KeepAboveScreenBottom(int top, int height, int screenHeight);
