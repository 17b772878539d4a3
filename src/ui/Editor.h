#pragma once

struct App;
struct Handlers;

// The short-form editor, frmEdit: opened from the Edit menu, the letter lists and the Quib List.
// While it is open the expander is suspended, so what the user types there is not expanded.

// Shows the editor with the word being typed in its short-form box, if there is one, and the
// focus moved on to the expansion box. An editor already open is only brought forward.
void OpenEditor(App& app);
// Hides it, remembers its height, and lets the expander run again if it was running. The program
// closes it before it saves its settings, so that the suspension is never saved as the user's
// choice.
void CloseEditor(App& app);
// The short-form box changed: the record it names fills the expansion and state boxes, and the
// display box shows the letter group from there on.
void txtShFm_Change(App& app);

void AddEditorHandlers(Handlers& h);
