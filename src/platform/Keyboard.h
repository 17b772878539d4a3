#pragma once

#include "platform/Screen.h"

#include <cstdint>

// The keyboard and the mouse: the keys' state and synthetic input, delivered to whatever has the
// keyboard focus. Key codes are Windows virtual-key codes.
class Keyboard {
  public:
    virtual ~Keyboard() = default;

    // An asynchronous reading has 0x8000 set while the key is down and 0x0001 when it was pressed
    // since the previous asynchronous reading of that key, which clears it.
    virtual std::int16_t getAsyncKeyState(std::uint8_t key) = 0;
    // The synchronous state: 0x8000 bits while down, low bit the toggle (Caps Lock on).
    virtual std::int16_t getKeyState(std::uint8_t key) = 0;

    virtual void keyEvent(std::uint8_t key, bool up) = 0;
    // The key for a character in the current layout: low byte the key, high byte the shift
    // state (1 Shift, 2 Ctrl, 4 Alt); -1 when no key produces the character.
    virtual std::int16_t keyForChar(char c) = 0;
    virtual void mouseButton(MouseButton button, bool up) = 0;
    virtual PixelPoint cursorPos() = 0;
    virtual void setCursorPos(PixelPoint p) = 0;
};
