#pragma once

#include "platform/Form.h"
#include "store/Settings.h"

struct App;

// The main window's size and place, kept in the settings in twips, and the presets of
// "&Size and Position of Quibnote".

inline constexpr int SmallWindowHeight = 1780;

struct ScreenTwips {
    int width = 0;
    int height = 0;
};

enum class SizePreset {
    MiddleRight,       // mnuMRNormal
    TopRightSquare,    // mnuTRSquare
    BottomRightSquare, // mnuBRSquare
    TopRightSmall,     // mnuTRSmall
    BottomRightSmall,  // mnuBRSmall
    Default,           // mnuReturnDefPos
    Startup,           // mnuReturnStartup
};

// Keeps a window of that size on the screen: flush with the right edge rather than past it, not
// above the top, and, when its button rows would be below the screen's bottom, flush with the
// bottom (a settings line from a larger screen, or edited by hand, may hold any top).
void FitToScreen(Options& o, ScreenTwips screen, int windowWidth, int windowHeight);
// The stored geometry a preset asks for; windowWidth is the window's width when it is chosen.
void SetPresetGeometry(Options& o, SizePreset preset, ScreenTwips screen, int windowWidth);
// Where the stored geometry puts the window, fitted to the screen (the fit is stored too).
TwipRect WindowRectFor(Options& o, ScreenTwips screen);

ScreenTwips ScreenSize(App& app);
// Puts the stored geometry on the main window.
void ApplyGeometry(App& app);
// Records where the user has put the main window; called as it closes.
void CheckSizeAndPos(App& app);
// "Use small Quibnote window": only the button rows, or the stored height again.
void SetSmallWindow(App& app, bool on);
