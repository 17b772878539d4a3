#pragma once

struct App;

// The Quib List, frmPick "Quib List - F6": the user's Added blocks in a window that stays above
// the others, beside the main window. A click on a block types it where the user was typing; a
// click on its short form opens the editor on it. F6 shows and hides it.

// Fills both columns from the database and sizes the window to them. Run while the list shows
// whenever an Added record may have changed.
void BuildQuibList(App& app);
// With show set: places the list beside the main window and shows it. Otherwise: types the
// chosen block into the target window.
void PasteFromQuibList(App& app, bool show);
// "&Quib": hides the list, or shows it and gives the focus back to the target window.
void mnuPick(App& app);
// "Paste to Quib &List (='CLPaste')" and the CLPaste button: the clipboard's text becomes a new
// Added block with the next free short form of zzaa to zzzz, and is saved.
void mnuPasteToPick(App& app);
// Clicks x and y twips inside the text column and the short-form column.
void txtExp_MouseDown(App& app, int x, int y);
void txtShFm_MouseDown(App& app, int y);
// Form_Unload: closed by its close box or by "Paste && exit:"; a font size change closes it too,
// so that it opens again with rows of the new size.
void CloseQuibList(App& app);
// F6: shows the Quib List beside the main window, or hides it when it shows.
void ToggleQuibList(App& app);
