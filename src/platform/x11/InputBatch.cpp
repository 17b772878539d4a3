#include "platform/x11/InputBatch.h"

#include "platform/keys.h"
#include "platform/x11/KeyNames.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>

namespace {

struct Planner {
    const KeyboardMap& m;
    std::array<bool, 256> down;
    std::vector<XTestStep> steps;

    void key(unsigned keycode, bool press) {
        if (keycode == 0 || keycode >= 256) return;
        // The server drops a press of a key that is down; a release first lets it through.
        if (press && down[keycode]) steps.push_back({XTestStep::Kind::Key, keycode, false, {}});
        steps.push_back({XTestStep::Kind::Key, keycode, press, {}});
        down[keycode] = press;
    }

    unsigned heldMods() const {
        unsigned mods = 0;
        for (std::size_t kc = 0; kc < 256; ++kc)
            if (down[kc]) mods |= m.modsOfKeycode[kc];
        return mods;
    }

    // Presses the keycode with exactly the modifiers `wanted` among those in `care`: held
    // modifiers that are not wanted let go for the time, wanted ones not held pressed. False,
    // planning nothing, when no key gives a wanted modifier.
    bool tap(unsigned keycode, unsigned wanted, unsigned care) {
        const unsigned held = heldMods();
        std::vector<unsigned> letGo;
        std::vector<unsigned> pressed;
        for (unsigned bit = 0; bit < 8; ++bit) {
            if (!((wanted & ~held) >> bit & 1)) continue;
            if (m.keycodeOfMod[bit] == 0) return false;
            pressed.push_back(m.keycodeOfMod[bit]);
        }
        for (unsigned kc = 0; kc < 256; ++kc)
            if (down[kc] && (m.modsOfKeycode[kc] & care & ~wanted) != 0) letGo.push_back(kc);
        for (unsigned kc : letGo) key(kc, false);
        for (unsigned kc : pressed) key(kc, true);
        key(keycode, true);
        key(keycode, false);
        for (auto kc = pressed.rbegin(); kc != pressed.rend(); ++kc) key(*kc, false);
        for (unsigned kc : letGo) key(kc, true);
        return true;
    }
};

constexpr unsigned kAllMods = 0xFF;

// The spare keycode for a keysym: one mapped to it already, else a free one, else the one used
// longest ago by an earlier batch.
SpareKey* SpareFor(std::vector<SpareKey>& spares, const std::array<unsigned long, 2>& keysyms,
                   std::uint64_t batch) {
    SpareKey* free = nullptr;
    SpareKey* oldest = nullptr;
    for (SpareKey& s : spares) {
        if (s.keysyms == keysyms) return &s;
        if (s.keysyms[0] == NoSymbol && !free) free = &s;
        if (s.batch < batch && (!oldest || s.batch < oldest->batch)) oldest = &s;
    }
    return free ? free : oldest;
}

bool TypeByKey(Planner& p, unsigned long keysym, bool capsLock, unsigned care) {
    for (auto it =
             std::lower_bound(p.m.typing.begin(), p.m.typing.end(), keysym,
                              [](const TypingKey&k, unsigned long sym) { return k.keysym < sym; });
         it != p.m.typing.end() && it->keysym == keysym; ++it) {
        const unsigned mods = capsLock ? it->modsWithCapsLock : it->mods;
        if (mods != TypingKey::kNoMods && p.tap(it->keycode, mods, care)) return true;
    }
    return false;
}

// A spare keycode mapped to the character for the time: a letter with its two cases (so Shift
// and Caps Lock act on it as on any letter), any other character alone on the key.
void TypeBySpare(Planner& p, unsigned long keysym, bool capsLock, unsigned care,
                 std::vector<SpareKey>& spares, std::uint64_t batch) {
    KeySym lower = NoSymbol;
    KeySym upper = NoSymbol;
    XConvertCase(keysym, &lower, &upper);
    const bool cased = lower != upper;
    const std::array<unsigned long, 2> keysyms{cased ? lower : keysym, cased ? upper : NoSymbol};
    SpareKey* spare = SpareFor(spares, keysyms, batch);
    if (!spare) return;
    if (spare->keysyms != keysyms) {
        p.steps.push_back({XTestStep::Kind::Map, spare->keycode, false, keysyms});
        spare->keysyms = keysyms;
    }
    spare->batch = batch;
    spare->doneAt = -1;
    const bool shift = cased && (keysym == upper) != capsLock;
    p.tap(spare->keycode, shift ? ShiftMask : 0, cased ? care : care & ~ShiftMask);
}

void PlanChar(Planner& p, char c, unsigned mods, std::vector<SpareKey>& spares,
              std::uint64_t batch) {
    const unsigned long keysym = KeysymOfChar(c == '\n' ? '\r' : c);
    if (keysym == 0) return;
    const bool capsLock = (mods & LockMask) != 0;
    const unsigned care = kAllMods & ~LockMask & ~p.m.numLockMask;
    if (!TypeByKey(p, keysym, capsLock, care))
        TypeBySpare(p, keysym, capsLock, care, spares, batch);
}

unsigned ButtonOf(std::uint8_t key) {
    return key == vk::LButton ? 1 : key == vk::MButton ? 2 : key == vk::RButton ? 3 : 0;
}

} // namespace

std::vector<XTestStep> PlanBatch(const KeyboardMap& m, std::array<bool, 256> keycodeDown,
                                 unsigned mods, std::span<const InputEvent> events,
                                 std::vector<SpareKey>& spares, std::uint64_t batch) {
    Planner p{m, keycodeDown, {}};
    for (const InputEvent& e : events) {
        if (e.kind == InputEvent::Kind::Char) {
            PlanChar(p, e.ch, mods, spares, batch);
        } else if (const unsigned button = ButtonOf(e.key)) {
            p.steps.push_back({XTestStep::Kind::Button, button, !e.up, {}});
        } else {
            p.key(m.keycodeOfKey[SidedModifier(e.key)], !e.up);
        }
    }
    return p.steps;
}
