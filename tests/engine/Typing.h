#pragma once

#include "Harness.h"
#include "platform/keys.h"
#include "platform/sim/UsLayout.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The user at the keyboard of a Harness: each key held 30 ms, one key every 100 ms.
struct Typist {
    Harness& h;
    std::int64_t at = 100'000;

    void key(std::uint8_t k, bool shift = false) {
        // A typist holds Shift down a little before the key and lets it go a little after.
        if (shift) h.sim.schedulePhysicalKey(at, vk::LShift, false);
        h.sim.schedulePhysicalKey(at + 10'000, k, false);
        h.sim.schedulePhysicalKey(at + 40'000, k, true);
        if (shift) h.sim.schedulePhysicalKey(at + 50'000, vk::LShift, true);
        at += 100'000;
    }
    // Keys held down together, let go in reverse order.
    void chord(std::vector<std::uint8_t> keys) {
        for (std::size_t i = 0; i < keys.size(); ++i)
            h.sim.schedulePhysicalKey(at + static_cast<std::int64_t>(i) * 30'000, keys[i], false);
        const std::int64_t up = at + static_cast<std::int64_t>(keys.size()) * 30'000;
        for (std::size_t i = keys.size(); i-- > 0;)
            h.sim.schedulePhysicalKey(up + static_cast<std::int64_t>(keys.size() - 1 - i) * 30'000,
                                      keys[i], true);
        at = up + static_cast<std::int64_t>(keys.size()) * 30'000 + 60'000;
    }
    void type(const std::string& text) {
        for (char c : text) {
            const std::optional<KeyStroke> k = UsKeyForChar(c == '\n' ? '\r' : c);
            ASSERT_TRUE(k) << c;
            key(k->key, k->shift);
        }
    }
    void pause(std::int64_t micros) { at += micros; }
    // Runs the program until everything typed has been taken, and a little longer.
    void finish() { h.runFor(at + 200'000); }
};
