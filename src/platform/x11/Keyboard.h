#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

typedef struct _XDisplay Display;

// The keyboard as the program sees it: Windows virtual keys translated from the current XKB
// layout, and the asynchronous key state kept from raw key events.

struct KeyboardMap {
    std::array<std::uint8_t, 256> keyOfKeycode{};       // with Num Lock off
    std::array<std::uint8_t, 256> numpadKeyOfKeycode{}; // the keypad's Num Lock meaning, or 0
    std::array<std::uint8_t, 256> keycodeOfKey{};       // the one keycode synthetic input uses
    std::array<bool, 256> repeats{};                    // by keycode: the key auto-repeats
    // Character keysyms (UnicodeKeysym spelling) and the key with its VkKeyScan shift flags,
    // sorted by keysym.
    std::vector<std::pair<unsigned long, std::int16_t>> chars;
    unsigned numLockMask = 0;
    int repeatDelayMs = 660;
    int repeatIntervalMs = 40;
};

// Reads the layout of the group in use. Done again whenever the layout or the group changes.
KeyboardMap ReadKeyboardMap(Display* d);

// VkKeyScan for a Windows-1252 character: low byte the key, high byte 1 Shift, 2 Ctrl, 4 Alt
// (Ctrl+Alt stands for AltGr and any other modifier); -1 when no key types it.
std::int16_t ScanOfChar(const KeyboardMap& m, char c);

struct KeyState {
    std::array<bool, 256> down{};
    std::array<bool, 256> pressed{}; // pressed since the last asynchronous reading
    std::uint8_t repeatKey = 0;      // the held key that repeats, as the server repeats it
    double nextRepeat = 0;
    bool numLock = false;
};

// A raw key or button event. Raw events carry no repeats, so a held key's repeats are made
// here from the server's repeat delay and rate.
void ApplyKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press, double now);
void ApplyButtonEvent(KeyState& s, unsigned button, bool press);
void ApplyRepeats(KeyState& s, const KeyboardMap& m, double now);
// 0x8000 while down, 0x0001 when pressed since the previous reading, which clears it.
std::int16_t TakeAsyncState(KeyState& s, std::uint8_t key);
