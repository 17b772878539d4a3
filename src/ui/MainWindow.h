#pragma once

#include <string_view>

struct App;

// The main window frmKeyvane: its layout, the letter buttons, the lists of short forms, the font
// size and the Help menu.

// Form_Resize: the display box takes the window's inner width and all but the bottom rows, which
// hold the letter buttons and the command buttons; the display panel shows or hides with it.
void LayoutMainWindow(App& app);
// Lists the short forms of one letter (0 for "a"); with a Ctrl key held, the part of a long list
// that did not fit.
void cmdAtoZ_Click(App& app, int index);
// Shows the records that match a marker ("=", "<=", the Added or the Activated mark).
void ListShortForms(App& app, std::string_view marker, int maxLength, int minSaving);
// A setting that changes what the lists show has changed: a letter list on show follows it.
void AdjustDisplayAndStatus(App& app);
// The display box and the editor's text boxes in 8, 10 or 12 points.
void SetFontSize(App& app, int points);
