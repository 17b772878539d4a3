#pragma once

#include <string>
#include <string_view>

struct App;

// What the engine shows: the main window's caption and display box, and the display panel's
// label and width. The window code shows its lists and messages through the same setters.

inline constexpr std::string_view kCaption = "Quibnote";
inline constexpr std::string_view kCaptionInWord = "Quibnote -"; // a word is being typed
inline constexpr std::string_view kCaptionOff = "Quibnote: -X->";
inline constexpr std::string_view kPanelOff = ": -X->";
// The panel's label width with nothing long to show, in twips.
inline constexpr int kPanelBaseWidth = 1935;

// The one way text gets into the display box. A text longer than the box takes is cut to its
// first 28,000 characters, followed by a note that says how to see the rest.
void SetDisplayText(App& app, std::string_view text);
std::string DisplayText(App& app);

void SetMainCaption(App& app, std::string_view caption);
void SetPanelCaption(App& app, std::string_view caption);
std::string PanelCaption(App& app);
// The label gets the width and the panel window 60 twips more, for its border.
void SetPanelWidth(App& app, int twips);
// Wide enough for a preview of that many characters (counted up to 70).
int PanelWidthForPreview(int previewLength);
// The panel is in use and the user lets it hide when it has nothing to show.
bool PanelMayHide(const App& app);
void HidePanel(App& app);
bool MainWindowMinimized(const App& app);
