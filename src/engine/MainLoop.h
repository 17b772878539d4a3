#pragma once

#include <cstdint>

class Platform;

struct App;

// Runs the polling loop until the last window of the program is closed.
void RunMainLoop(App& app);

void TrackTargetWindow(App& app, std::uint16_t period);
void FlushLetterKeys(App& app);
void FlushTypingKeys(App& app);
void FlushOutputKeys(App& app);
// Reads the Shift keys and Caps Lock so that a press of theirs is not taken twice.
void DiscardShiftAndCapsLock(Platform& p);
void WaitKeyAndAltUp(App& app, std::uint8_t key);
bool CountKeystrokeWhileOff(App& app);
void AccumulateTypingTime(App& app);
