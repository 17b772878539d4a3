#pragma once

#include <cstdint>

struct Core;

// Runs the polling loop until the last window of the program is closed.
void RunMainLoop(Core& core);

void TrackTargetWindow(Core& core, std::uint16_t period);
bool CountKeystrokeWhileOff(Core& core);
void AccumulateTypingTime(Core& core);
