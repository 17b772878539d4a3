#pragma once

#include "platform/Screen.h"

#include <cstdint>
#include <span>

// One synthetic input event: a key going down or up, or a character typed as itself whatever
// the layout (the desktop's Unicode input), for a character that no key of the layout gives.
struct InputEvent {
    enum class Kind { Key, Char };
    Kind kind = Kind::Key;
    std::uint8_t key = 0; // Kind::Key: the virtual-key code
    bool up = false;      // Kind::Key
    char ch = 0;          // Kind::Char: the character, Windows-1252
};

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
    // Sends the events as one uninterrupted run: keys the user presses meanwhile land before or
    // after it, never among its events. Returns at once; it never sleeps on the caller's thread.
    virtual void sendInput(std::span<const InputEvent> events) = 0;
    // The pause the desktop leaves between two synthetic events of a run (some applications
    // drop keys that arrive back to back).
    virtual void setSyntheticKeyGap(unsigned ms) = 0;
    // The character that the user's keyboard layout gave the latest press of this key that an
    // asynchronous reading has reported, with the modifiers held at that press; 0 when none.
    virtual char pressedChar(std::uint8_t key) = 0;
    virtual void mouseButton(MouseButton button, bool up) = 0;
    virtual PixelPoint cursorPos() = 0;
    virtual void setCursorPos(PixelPoint p) = 0;
};
