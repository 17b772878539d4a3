#pragma once

#include "platform/Platform.h"
#include "platform/x11/Keyboard.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// A run of synthetic input as the XTest requests that make it, planned without the server so
// that it can be sent as one batch. A character goes in by a key that types it, with the
// modifiers its level needs (any other held modifier let go for the time of the key); a
// character that no key types goes in by a spare keycode mapped to it for the time.

struct XTestStep {
    enum class Kind { Key, Button, Map };
    Kind kind = Kind::Key;
    unsigned code = 0;  // keycode, or button number
    bool press = false; // Key and Button
    // Map: the keycode's keysyms from now on (lower and upper case, or the one keysym and
    // NoSymbol).
    std::array<unsigned long, 2> keysyms{};
};

// A keycode without keysyms that characters without a key are typed with.
struct SpareKey {
    std::uint8_t keycode = 0;
    std::array<unsigned long, 2> keysyms{}; // as mapped now; both NoSymbol while free
    std::uint64_t batch = 0;                // the latest batch that typed with it
    double doneAt = -1;                     // when that batch had arrived, or -1
};

// The requests of one batch. `keycodeDown` holds the keycodes down now, `mods` the XKB
// state's modifiers (Caps Lock's lock among them); the spares are taken and mapped as needed
// and marked with the batch's number.
std::vector<XTestStep> PlanBatch(const KeyboardMap& m, std::array<bool, 256> keycodeDown,
                                 unsigned mods, std::span<const InputEvent> events,
                                 std::vector<SpareKey>& spares, std::uint64_t batch);
