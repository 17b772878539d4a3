#pragma once

#include "keyout/KeyOutState.h"
#include "platform/Platform.h"

#include <cstdint>

// The small operations all input and output rest on. Every reading and every wait lets the
// program's pending interface events run, so its windows stay alive while it polls or types.

std::int16_t PollKey(Platform& p, std::uint8_t key);
std::int16_t PollKeyState(Platform& p, std::uint8_t key);
void ReleaseShiftKeys(Platform& p);
void ReleaseCtrlKeys(Platform& p);
void ReleaseAltKeys(Platform& p);
bool IsShiftDown(Platform& p);
bool IsCtrlDown(Platform& p);
bool IsAltDown(Platform& p);
void Pause(Platform& p, float seconds);
// Waits for the clock's next step, at most limitSeconds. A Caps Lock held down meanwhile is
// waited for within the same limit, then released and recorded.
void WaitForTick(Platform& p, KeyOutState& k, float limitSeconds);
void RefocusTarget(Platform& p, WindowId target);
// Caps Lock was read pressed: wait for its release, then record whether it is now on.
void HandleCapsLock(Platform& p, KeyOutState& k);
