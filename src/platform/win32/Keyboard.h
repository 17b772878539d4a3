#pragma once

#include "platform/Platform.h"

#include <cstdint>

// The keyboard and mouse of the whole desktop: key states as every application sees them, and
// synthetic events that go to whatever window has the focus.
std::int16_t AsyncKeyState(std::uint8_t key);
std::int16_t CurrentKeyState(std::uint8_t key);
void SendKey(std::uint8_t key, bool up);
std::int16_t KeyForCharacter(char c);
void SendMouseButton(MouseButton button, bool up);
