#pragma once

#include "platform/sim/KeyboardLayout.h"

#include <cstdint>
#include <optional>

// The US keyboard layout, the simulated desktop's default.

// The key (and Shift) that types a Windows-1252 character; none for characters no key gives.
std::optional<KeyStroke> UsKeyForChar(char c);
// The printable character a key gives, with Shift and Caps Lock; none for keys without one.
std::optional<char> UsCharForKey(std::uint8_t key, bool shift, bool capsLock);
