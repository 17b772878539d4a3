#include "keyout/Primitives.h"

#include "platform/keys.h"

namespace {

void ReleaseThree(Platform& p, std::uint8_t generic, std::uint8_t left, std::uint8_t right) {
    for (std::uint8_t key : {generic, left, right}) {
        p.keyEvent(key, true);
        PollKey(p, key);
    }
}

bool AnyDown(Platform& p, std::uint8_t generic, std::uint8_t left, std::uint8_t right) {
    const bool a = PollKey(p, generic) != 0;
    const bool b = PollKey(p, left) != 0;
    const bool c = PollKey(p, right) != 0;
    return a || b || c;
}

// The platform's toggle reading is current, so the flag is taken from it directly.
void RecordCapsLock(Platform& p, KeyOutState& k) {
    k.capsLock = (p.getKeyState(vk::Capital) & 1) != 0;
    p.keyEvent(vk::Capital, true);
    PollKey(p, vk::Capital);
}

} // namespace

std::int16_t PollKey(Platform& p, std::uint8_t key) {
    const std::int16_t state = p.getAsyncKeyState(key);
    p.doEvents();
    return state;
}

std::int16_t PollKeyState(Platform& p, std::uint8_t key) {
    const std::int16_t state = p.getKeyState(key);
    p.doEvents();
    return state;
}

void ReleaseShiftKeys(Platform& p) {
    ReleaseThree(p, vk::Shift, vk::LShift, vk::RShift);
}
void ReleaseCtrlKeys(Platform& p) {
    ReleaseThree(p, vk::Control, vk::LControl, vk::RControl);
}
void ReleaseAltKeys(Platform& p) {
    ReleaseThree(p, vk::Menu, vk::LMenu, vk::RMenu);
}
bool IsShiftDown(Platform& p) {
    return AnyDown(p, vk::Shift, vk::LShift, vk::RShift);
}
bool IsCtrlDown(Platform& p) {
    return AnyDown(p, vk::Control, vk::LControl, vk::RControl);
}
bool IsAltDown(Platform& p) {
    return AnyDown(p, vk::Menu, vk::LMenu, vk::RMenu);
}

// Lasts at least its time and at least 20000 rounds of event processing per second asked for,
// so that on a slow machine the program's windows still get their share.
void Pause(Platform& p, float seconds) {
    const double minimumRounds = 20000.0 * seconds;
    const double start = p.clockSeconds();
    double rounds = 0;
    do {
        p.doEvents();
        ++rounds;
    } while (p.clockSeconds() - start < seconds || rounds < minimumRounds);
}

void WaitForTick(Platform& p, KeyOutState& k, float limitSeconds) {
    const double start = p.clockSeconds();
    double last = start;
    for (;;) {
        if (PollKey(p, vk::Capital) != 0) {
            // Nobody lets go of a Caps Lock that a key script holds down ("{*+}"), so the wait
            // for its release ends with this wait's limit; the key-up that follows releases it.
            while (p.getAsyncKeyState(vk::Capital) != 0 &&
                   p.clockSeconds() - start < limitSeconds) {
            }
            RecordCapsLock(p, k);
        }
        p.doEvents();
        const double reading = p.clockSeconds();
        const double step = reading - last;
        last = reading;
        if (step > 0.001 || reading - start >= limitSeconds) return;
    }
}

void RefocusTarget(Platform& p, WindowId target) {
    p.doEvents();
    p.setForegroundWindow(target);
    p.doEvents();
    Pause(p, 0.001f);
}

void HandleCapsLock(Platform& p, KeyOutState& k) {
    while (p.getAsyncKeyState(vk::Capital) != 0) {
    }
    RecordCapsLock(p, k);
}
