#pragma once

#include "store/AddRecord.h"

#include <string_view>

struct App;

// The add operation as the user meets it, from the editor, define mode or the Quib List: a
// refusal is shown (or beeped, with messages off); a change shows the changed record and those
// after it in the display box; then the keys pressed meanwhile are discarded, so the expander
// does not take what was typed into the program's own windows for typing.
AddResult AddShortForm(App& app, std::string_view shortForm, std::string_view expansion,
                       char state);
