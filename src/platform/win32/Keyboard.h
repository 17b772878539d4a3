#pragma once

#include "platform/Platform.h"
#include "platform/win32/WinApi.h"

#include <cstdint>
#include <span>
#include <vector>

// Synthetic keyboard and mouse input for whatever window has the focus, and the layout's keys.

// Every event the program sends carries this as its extra information, which its raw input
// brings back: so the program tells its own events from the user's.
inline constexpr ULONG_PTR kOwnInput = 0x51554942;

std::int16_t CurrentKeyState(std::uint8_t key);
std::int16_t KeyForCharacter(char c);
// As keybd_event(key, 0, flags, 0): the key code, scan code 0, flags 0 or KEYEVENTF_KEYUP.
INPUT KeyInput(std::uint8_t key, bool up);
INPUT MouseButtonInput(MouseButton button, bool up);
// A run's events; a character goes as itself (KEYEVENTF_UNICODE), down and up.
std::vector<INPUT> InputsOfRun(std::span<const InputEvent> events);
// One call, so that the system queues the events together: input from the user lands before
// or after them.
void SendInputs(std::span<INPUT> inputs);
