#pragma once

#include "store/CustomList.h"

struct App;

// "&Add Custom List" and "&Remove Custom List": the user picks a list file, every line of it goes
// through the add operation, and the display box reports what happened. The database changes in
// memory only; the next save writes it.
void CustomList(App& app, ListAction action);
