#pragma once

#include "engine/PassReadings.h"

#include <string>
#include <string_view>

struct Core;

// The hotkey block of a main pass, before its key is classified: Ctrl+F11 (without Shift)
// switches the highlighted suggestion, F11 with any other modifiers cycles the display panel
// between anchored, floating free and off. Each says so in the display box for half a second.
void RunPanelHotkeys(Core& core, const PassReadings& k);

// The hotkeys of the continuing-key path while Alt is held: Alt+D looks the word up in the
// dictionary, Alt+P opens the multi-clipboard, Alt+S lets the current word expand whatever its
// length, Alt+C calculates the last copy or cut. A suffix key's ending joins the word first.
void RunAltHotkeys(Core& core);
// Alt+C, also in the expander-off loop: once C and Alt are up, the clip captured by the last
// Ctrl+C or Ctrl+X is calculated, once; without one, nothing happens.
void RunCalculateHotkey(Core& core);
// Ctrl+C and Ctrl+X, on the continuing-key path and in the expander-off loop: once every key of
// the chord is up, the application has put the text on the clipboard, and it is captured. True
// when it was.
bool RunCtrlHotkeys(Core& core);
// Ctrl+Space and Ctrl+quote at a delimiter type the number of spaces the user set (Ctrl+quote
// then a double quote); true when they typed, so that the word's expansion is kept back.
bool RunSpacingHotkeys(Core& core, const PassReadings& k);

// The word Alt+D looks up: the expansion last shown, unless the panel shows nothing and that
// expansion is no longer than the word being typed; the word typed before when that is empty.
std::string DictionaryWord(std::string_view lastExpansionShown, bool panelShowsNothing,
                           std::string_view currentWord, std::string_view previousWord);
