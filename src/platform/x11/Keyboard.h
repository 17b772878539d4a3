#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

typedef struct _XDisplay Display;
struct _XkbDesc;

// The keyboard as the program sees it: Windows virtual keys translated from the current XKB
// layout, and the asynchronous key state kept from raw key events.

// A key that types a character when pressed with these real modifiers (X's modifier masks),
// with Caps Lock off and on; kNoMods when it cannot with Caps Lock so.
struct TypingKey {
    static constexpr unsigned kNoMods = ~0u;
    unsigned long keysym = 0; // UnicodeKeysym spelling
    std::uint8_t keycode = 0;
    unsigned mods = 0;
    unsigned modsWithCapsLock = 0;
};

struct KeyboardMap {
    std::array<std::uint8_t, 256> keyOfKeycode{};       // with Num Lock off
    std::array<std::uint8_t, 256> numpadKeyOfKeycode{}; // the keypad's Num Lock meaning, or 0
    std::array<std::uint8_t, 256> keycodeOfKey{};       // the one keycode synthetic input uses
    std::array<bool, 256> repeats{};                    // by keycode: the key auto-repeats
    // Character keysyms (UnicodeKeysym spelling) and the key with its VkKeyScan shift flags,
    // sorted by keysym.
    std::vector<std::pair<unsigned long, std::int16_t>> chars;
    // Every key that types a character with Shift and level-shift modifiers only (not Ctrl or
    // Alt), sorted by keysym, the plainest first: synthetic characters are typed with them.
    std::vector<TypingKey> typing;
    std::array<std::uint8_t, 256> modsOfKeycode{}; // the real modifiers each keycode sets
    std::array<std::uint8_t, 8> keycodeOfMod{};    // a key that sets each real modifier, or 0
    std::vector<std::uint8_t> spareKeycodes;       // keycodes without any keysym
    std::shared_ptr<_XkbDesc> xkb;                 // the map itself, for what a press types
    unsigned numLockMask = 0;
    int repeatDelayMs = 660;
    int repeatIntervalMs = 40;
};

// Reads the layout of the group in use. Done again whenever the layout or the group changes.
KeyboardMap ReadKeyboardMap(Display* d);

// VkKeyScan for a Windows-1252 character: low byte the key, high byte 1 Shift, 2 Ctrl, 4 Alt
// (Ctrl+Alt stands for AltGr and any other modifier); -1 when no key types it.
std::int16_t ScanOfChar(const KeyboardMap& m, char c);

// A key event the program sent, until its raw event comes back. `batch` is the batch of
// synthetic input whose arrival tells that the event has arrived or never will.
struct OwnKeyEvent {
    unsigned keycode = 0;
    bool press = false;
    std::uint64_t batch = 0;
};

struct KeyState {
    std::array<bool, 256> down{};
    std::array<bool, 256> pressed{}; // pressed since the last asynchronous reading
    std::array<bool, 256> keycodeDown{};
    std::array<char, 256> charOfPress{};  // by key: what its latest press typed
    std::array<char, 256> reportedChar{}; // the same, as of the last reading that reported it
    unsigned xkbMods = 0;                 // the XKB state's modifiers and group, kept current
    int xkbGroup = 0;
    std::uint8_t repeatKey = 0; // the held key that repeats, as the server repeats it
    double nextRepeat = 0;
    bool numLock = false;
    std::deque<OwnKeyEvent> own; // in the order sent
};

// A raw key or button event. Raw events carry no repeats, so a held key's repeats are made
// here from the server's repeat delay and rate.
void ApplyKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press, double now);
// The program's own key event, just sent: it moves the state read at once, as SendInput does on
// Windows, without auto-repeat and as nobody's typing, and waits for its raw event.
void ApplyOwnKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press,
                      std::uint64_t batch);
// A raw key event from the synthetic input device: true when it is the program's own event
// next on its way back, which moved the state when it was sent; false when it is another
// program's, which is the user's typing. An own press gets the character it typed.
bool TakeOwnKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press);
// Every own event up to that batch has come back or never will (the server dropped it).
void ForgetOwnKeyEvents(KeyState& s, std::uint64_t upToBatch);
void ApplyButtonEvent(KeyState& s, unsigned button, bool press);
void ApplyRepeats(KeyState& s, const KeyboardMap& m, double now);
// 0x8000 while down, 0x0001 when pressed since the previous reading, which clears it.
std::int16_t TakeAsyncState(KeyState& s, std::uint8_t key);
// The Windows-1252 character a press of the keycode types with the XKB modifiers and group
// (Caps Lock as XLookupString applies it); 0 for none, and while Ctrl or Alt is held.
char CharOfPress(const KeyboardMap& m, unsigned keycode, unsigned mods, int group);
