#pragma once

#include <cstdint>

struct Core;

// Runs the polling loop until the last window of the program is closed.
void RunMainLoop(Core& core);

// Takes the foreground window as the target when it is another program's. midWord: a word is
// being typed, which stays behind in the window the user left.
void FollowForegroundWindow(Core& core, bool midWord);
// Follows the foreground window on the first of every period passes.
void TrackTargetWindow(Core& core, std::uint16_t period);
bool CountKeystrokeWhileOff(Core& core);
void AccumulateTypingTime(Core& core);
