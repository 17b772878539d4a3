#pragma once

#include "platform/sim/KeyboardLayout.h"

#include <cstdint>
#include <optional>
#include <string_view>

class SimDesktop;

// The simulated user typing a text: each character through the desktop's layout, as its key
// with Shift or AltGr where the layout needs them, all scheduled up front in virtual time.
struct TypingPace {
    std::int64_t hold; // each key is held this long (µs)
    std::int64_t gap;  // then this long passes before the next
    // Shift and AltGr lead and trail their key by 10 ms: in addition to the gap (a careful
    // typist), or inside it, at most half of it each (a fast one, whose GAP runs from release
    // to the next press).
    bool modifiersInGap;
};

// The first character of a Windows-1252 text that no key of the layout types; none when every
// one has a key. '\n' is Enter.
std::optional<char> Untypable(const KeyboardLayout& layout, std::string_view text);
// Schedules the keys of a text that Untypable passes, from `at` on; returns the time of its last
// key event.
std::int64_t ScheduleTyping(SimDesktop& sim, std::int64_t at, std::string_view text,
                            const TypingPace& pace);
