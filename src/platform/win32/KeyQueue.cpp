#include "platform/win32/KeyQueue.h"

#include "platform/keys.h"

namespace {

void SetKey(KeyQueue& q, std::uint8_t key, bool up, char ch) {
    q.down[key] = !up;
    if (!up) {
        q.pressed[key] = true;
        q.pressChar[key] = ch;
    }
    if (const std::uint8_t generic = GenericModifier(key)) {
        const std::uint8_t left = SidedModifier(generic);
        q.down[generic] = q.down[left] || q.down[left + 1];
        if (!up) {
            q.pressed[generic] = true;
            q.pressChar[generic] = 0;
        }
    }
}

void SetHeld(KeyQueue& q, std::uint8_t key, bool held) {
    q.held[key] = held;
    if (const std::uint8_t generic = GenericModifier(key)) {
        const std::uint8_t left = SidedModifier(generic);
        q.held[generic] = q.held[left] || q.held[left + 1];
    }
}

bool IsModifier(std::uint8_t key) {
    return GenericModifier(key) != 0;
}

bool Done(const KeyQueue& q, double now) {
    if (q.passesSince >= (q.taken ? 1 : 2)) return true;
    return now - q.servedAt >= (q.waiting ? kWaitServe : kLongestServe);
}

// Keys pressed before the press just served and let go after it read released already: a key
// still held from earlier would otherwise win the pass over the new press (a Space held while
// the period is typed), and the new press be read and lost. Modifiers keep their order, since
// they give the press its meaning.
void ReleaseEarlierKeys(KeyQueue& q) {
    std::array<bool, 256> pressedLater{};
    pressedLater[q.servingKey] = true;
    for (auto it = q.pending.begin(); it != q.pending.end();) {
        if (!it->up) {
            pressedLater[it->key] = true;
        } else if (!pressedLater[it->key] && !IsModifier(it->key) && q.down[it->key]) {
            SetKey(q, it->key, true, 0);
            it = q.pending.erase(it);
            continue;
        }
        ++it;
    }
}

} // namespace

std::uint8_t KeyOfRawEvent(unsigned virtualKey, unsigned makeCode, bool e0) {
    constexpr unsigned kRightShiftMake = 0x36;
    constexpr unsigned kPacket = 0xE7; // a character typed as itself: no key
    switch (virtualKey) {
    case vk::Shift:
        if (e0) return 0;
        return makeCode == kRightShiftMake ? vk::RShift : vk::LShift;
    case vk::Control:
        return e0 ? vk::RControl : vk::LControl;
    case vk::Menu:
        return e0 ? vk::RMenu : vk::LMenu;
    case kPacket:
        return 0;
    default:
        return virtualKey > 0 && virtualKey < 0xFF ? static_cast<std::uint8_t>(virtualKey) : 0;
    }
}

void HoldAtStart(KeyQueue& q, std::uint8_t key) {
    SetHeld(q, key, true);
    SetKey(q, key, false, 0);
    q.pressed[key] = false;
    if (const std::uint8_t generic = GenericModifier(key)) q.pressed[generic] = false;
}

void QueueUserKey(KeyQueue& q, const UserKey& k) {
    SetHeld(q, k.key, !k.up);
    q.pending.push_back(k);
}

void ApplyOwnKey(KeyQueue& q, std::uint8_t key, bool up) {
    SetKey(q, SidedModifier(key), up, 0);
}

bool SystemMayReleaseKey(const KeyQueue& q, std::uint8_t key, double now) {
    return q.down[key] && AllServed(q) && now - q.servedDownAt[key] >= kSystemStateLag;
}

void ForgetHeldKey(KeyQueue& q, std::uint8_t key) {
    const bool generic = GenericModifier(key) == 0 && SidedModifier(key) != key;
    const std::uint8_t first = SidedModifier(key);
    const std::uint8_t last = generic ? static_cast<std::uint8_t>(first + 1) : first;
    for (int k = first; k <= last; ++k) {
        SetHeld(q, static_cast<std::uint8_t>(k), false);
        if (q.down[k]) SetKey(q, static_cast<std::uint8_t>(k), true, 0);
    }
}

void ServeKeys(KeyQueue& q, double now) {
    if (q.serving && Done(q, now)) q.serving = false;
    while (!q.serving && !q.pending.empty()) {
        const UserKey k = q.pending.front();
        q.pending.pop_front();
        SetKey(q, k.key, k.up, k.ch);
        if (k.up) continue;
        q.serving = true;
        q.servingKey = k.key;
        q.taken = false;
        q.passesSince = 0;
        q.servedAt = now;
        q.servedDownAt[k.key] = now;
        if (const std::uint8_t generic = GenericModifier(k.key)) q.servedDownAt[generic] = now;
        q.readsSince = {};
        ReleaseEarlierKeys(q);
    }
}

std::int16_t ReadAsyncKey(KeyQueue& q, std::uint8_t key) {
    const bool wasPressed = q.pressed[key];
    if (wasPressed) {
        q.reportedChar[key] = q.pressChar[key];
        // The pass that took it goes on to act on it: the next press waits for the next pass.
        if (q.serving && !q.taken &&
            (key == q.servingKey || key == GenericModifier(q.servingKey))) {
            q.taken = true;
            q.passesSince = 0;
        }
    }
    q.pressed[key] = false;
    if (q.serving && ++q.readsSince[key] >= kWaitReadings) q.waiting = true;
    return static_cast<std::int16_t>((q.down[key] ? 0x8000 : 0) | (wasPressed ? 1 : 0));
}

char ReportedChar(const KeyQueue& q, std::uint8_t key) {
    return q.reportedChar[key];
}

void EndPass(KeyQueue& q) {
    if (q.serving) ++q.passesSince;
    q.waiting = false;
}

bool AllServed(const KeyQueue& q) {
    return q.pending.empty();
}
