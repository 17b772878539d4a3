#pragma once

#include <cstdint>

// Translation between X keysyms and the Windows virtual-key codes the program speaks. Pure
// functions, so they are testable without a display.

// The key for a keysym on a key's first level; 0 when the keysym names no key the program knows.
std::uint8_t VirtualKeyOfKeysym(unsigned long keysym);
// The key by its position on a PC keyboard (evdev keycodes), for keys whose keysym names none:
// letters of non-Latin layouts and the punctuation keys of other countries, as Windows keeps
// their codes by position. 0 when the position has no fixed code.
std::uint8_t VirtualKeyOfPosition(unsigned keycode);
// The numeric-keypad key for a keysym of the keypad's Num Lock level, or 0.
std::uint8_t NumpadKeyOfKeysym(unsigned long keysym);
// The keysym that types a Windows-1252 character; 0 when none does (control characters other
// than Backspace, Tab, Enter and Escape).
unsigned long KeysymOfChar(char c);
// The Windows-1252 character a keysym types: Backspace, Tab, Enter and Escape their control
// characters, the keypad's digits and operators theirs; 0 when it types none that
// Windows-1252 holds.
char CharOfKeysym(unsigned long keysym);
// One spelling for every character keysym: the older keysyms of the characters Windows-1252 holds
// (EuroSign, emdash, the typographic quotes ...) become their Unicode keysyms, Unicode keysyms of
// Latin-1 characters become the Latin-1 keysyms, so a keymap and KeysymOfChar can be compared.
unsigned long UnicodeKeysym(unsigned long keysym);
