#pragma once

#include "platform/x11/Keyboard.h"

#include <string_view>

// A user at the keyboard, for the end-to-end runs: keys go through the X server's own keyboard
// device, not the XTest device the program types with, as a real keyboard's would. (Keys that
// are still held on the XTest device when the program presses them again would be dropped as
// repeats, which no real keyboard causes.)
struct Typist {
    Display* display = nullptr;
    void* device = nullptr; // the XInput device, or null to fall back on XTest's own
    KeyboardMap keymap;
    int holdMs = 30; // how long each key stays down
    int gapMs = 60;  // the pause after each key
    // How long a modifier is down before the key it modifies. People press Ctrl well ahead of
    // the C of Ctrl+C; pressed together, the program may read Ctrl as up and then the C as a
    // letter, as it would on Windows, since each pass reads the modifiers before it sleeps and
    // the other keys after.
    int leadMs = 30;
};

bool OpenTypist(Typist& t);
void CloseTypist(Typist& t);
// Types each character with Shift where the layout needs it.
void TypeText(Typist& t, std::string_view text);
// A chord such as "ctrl+c", "alt+o", "F9", "Return": keys named by X keysym names, pressed in
// order (each modifier leading the next key) and released in reverse.
bool PressChord(Typist& t, std::string_view chord);
