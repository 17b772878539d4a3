#pragma once

#include "store/Database.h"

// Rewrites, through the add operation's rebuild mode, every record whose run of erase marks
// does not take back exactly the text before it, so that each stored expansion again begins with
// its short form and one erase mark per letter. Nothing is examined when the settings line holds
// "Loffe, 2003". Returns how many records were rewritten; with none, nothing needs saving.
int NormaliseErasures(Database& db);
