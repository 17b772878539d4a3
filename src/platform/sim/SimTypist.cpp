#include "platform/sim/SimTypist.h"

#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <algorithm>

namespace {

constexpr std::int64_t kModifierLead = 10'000;

KeyStroke StrokeOf(const KeyboardLayout& layout, char c) {
    return KeyForChar(layout, c == '\n' ? '\r' : c).value_or(KeyStroke{});
}

} // namespace

std::optional<char> Untypable(const KeyboardLayout& layout, std::string_view text) {
    for (char c : text)
        if (!KeyForChar(layout, c == '\n' ? '\r' : c)) return c;
    return std::nullopt;
}

std::int64_t ScheduleTyping(SimDesktop& sim, std::int64_t at, std::string_view text,
                            const TypingPace& pace) {
    const std::int64_t inGapLead = std::min(kModifierLead, pace.gap / 2);
    std::int64_t press = at + (pace.modifiersInGap ? inGapLead : 0);
    std::int64_t last = at;
    for (char c : text) {
        const KeyStroke k = StrokeOf(sim.layout(), c);
        // A typist's modifier goes down before the key and comes up after it; pressing both
        // at one instant would let a pass see the key without its modifier.
        const std::uint8_t modifier = k.altGr ? vk::RMenu : k.shift ? vk::LShift : 0;
        const std::int64_t lead = !modifier ? 0 : pace.modifiersInGap ? inGapLead : kModifierLead;
        if (!pace.modifiersInGap) press += lead;
        const std::int64_t release = press + pace.hold;
        if (modifier) sim.schedulePhysicalKey(press - lead, modifier, false);
        sim.schedulePhysicalKey(press, k.key, false);
        sim.schedulePhysicalKey(release, k.key, true);
        if (modifier) sim.schedulePhysicalKey(release + lead, modifier, true);
        last = release + lead;
        press = pace.modifiersInGap ? release + pace.gap : last + pace.gap;
    }
    return last;
}
