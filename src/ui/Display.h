#pragma once

#include "engine/Captions.h"

#include <string>
#include <string_view>

struct App;

// What the main window and the display panel show: the main window's caption and display box,
// and the panel's label and width. The engine reaches them through ProgramWindows; the window
// code calls them directly.

// The one way text gets into the display box. A text longer than the box takes is cut to its
// first 28,000 characters, followed by a note that says how to see the rest.
void SetDisplayText(App& app, std::string_view text);
std::string DisplayText(App& app);

void SetMainCaption(App& app, std::string_view caption);
void SetPanelCaption(App& app, std::string_view caption);
std::string PanelCaption(App& app);
// The label gets the width and the panel window 60 twips more, for its border.
void SetPanelWidth(App& app, int twips);
void HidePanel(App& app);
bool MainWindowMinimized(const App& app);
