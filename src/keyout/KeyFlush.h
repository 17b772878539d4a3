#pragma once

#include "platform/Platform.h"

#include <cstdint>

// Reading keys only to clear their "pressed since" bit, so that presses the program does not
// want taken as typing (its own output, keys typed into its windows, a hotkey's chord) are not
// seen by the next reading.

void FlushLetterKeys(Platform& p);
void FlushTypingKeys(Platform& p);
void FlushOutputKeys(Platform& p);
// The Shift keys and Caps Lock, so that a press of theirs is not taken twice.
void DiscardShiftAndCapsLock(Platform& p);
// Waits until the hotkey's key and every Alt key read up.
void WaitKeyAndAltUp(Platform& p, std::uint8_t key);
