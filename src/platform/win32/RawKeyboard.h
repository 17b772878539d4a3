#pragma once

#include "platform/win32/KeyQueue.h"
#include "platform/win32/WinApi.h"

#include <cstdint>

// The user's keyboard, read through Raw Input by a hidden window of the program whatever window
// has the focus, without a hook, and served to the program's key readings in the order it was
// used (KeyQueue). Where Raw Input cannot be had, the readings are the system's own. A process
// has one registration: the keyboard opened last takes it, and closing any ends it.
struct RawKeyboard {
    HWND window = nullptr;
    bool registered = false;
    KeyQueue queue;
    LARGE_INTEGER frequency{};
    double lastDrain = 0;
};

void OpenRawKeyboard(RawKeyboard& k);
void CloseRawKeyboard(RawKeyboard& k);
// The event step has just run every waiting message, the keyboard's among them.
void NoteMessagesRun(RawKeyboard& k);
// The main loop is at its head.
void NoteLoopHead(RawKeyboard& k);
// ownInputSent: every synthetic event the program made has gone out, so the system's key state
// can be compared with the state served.
std::int16_t ReadKeyAsync(RawKeyboard& k, std::uint8_t key, bool ownInputSent);
char ReadPressedChar(const RawKeyboard& k, std::uint8_t key);
// A synthetic key event the program has just sent.
void NoteOwnKey(RawKeyboard& k, std::uint8_t key, bool up);
