#include "platform/x11/Keyboard.h"

#include "platform/keys.h"
#include "platform/x11/KeyNames.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <algorithm>
#include <bit>
#include <optional>

namespace {

// The modifiers that select a level of a key type: the cheapest active entry for it.
unsigned MaskOfLevel(const XkbKeyTypeRec& type, int level) {
    if (level == 0) return 0;
    unsigned best = ~0u;
    for (int i = 0; i < type.map_count; ++i) {
        const XkbKTMapEntryRec& e = type.map[i];
        if (!e.active || e.level != level) continue;
        if (best == ~0u || std::popcount(e.mods.mask) < std::popcount(best)) best = e.mods.mask;
    }
    return best;
}

// VkKeyScan's shift flags for a modifier mask; -1 when only Caps Lock reaches the level.
int ShiftFlags(unsigned mask) {
    if (mask == 0) return 0;
    if (mask == ShiftMask) return 0x100;
    if (mask == LockMask) return -1;
    // Control alone is Ctrl; anything with another modifier (AltGr is Mod5 or Level3) counts as
    // Ctrl+Alt, which the program pastes instead of typing.
    if ((mask & ~(ShiftMask | ControlMask)) == 0) return (mask & ShiftMask ? 0x100 : 0) | 0x200;
    return (mask & ShiftMask ? 0x100 : 0) | 0x600;
}

// The keysym a keycode gives with these modifiers, Caps Lock applied as XLookupString applies it.
unsigned long Produced(XkbDescPtr xkb, unsigned keycode, unsigned mods, int group) {
    unsigned consumed = 0;
    KeySym sym = NoSymbol;
    if (!XkbTranslateKeyCode(xkb, static_cast<KeyCode>(keycode), XkbBuildCoreState(mods, group),
                             &consumed, &sym))
        return NoSymbol;
    if (mods & LockMask & ~consumed) {
        KeySym lower = NoSymbol;
        KeySym upper = NoSymbol;
        XConvertCase(sym, &lower, &upper);
        sym = upper;
    }
    return sym;
}

// A key typing its character at a level, with the modifiers that select the level with Caps Lock
// off, and the ones that do with it on (Shift may then be needed or not).
std::optional<TypingKey> TypingKeyOf(XkbDescPtr xkb, unsigned keycode, int group, unsigned long sym,
                                     unsigned levelMask) {
    if (levelMask == ~0u || (levelMask & (ControlMask | Mod1Mask)) != 0) return std::nullopt;
    if (Produced(xkb, keycode, levelMask, group) != sym) return std::nullopt;
    TypingKey k{UnicodeKeysym(sym), static_cast<std::uint8_t>(keycode), levelMask,
                TypingKey::kNoMods};
    for (const unsigned mods : {levelMask, levelMask ^ ShiftMask})
        if (Produced(xkb, keycode, mods | LockMask, group) == sym) {
            k.modsWithCapsLock = mods;
            break;
        }
    return k;
}

// Keys that modify while held (not the locks): the ones synthetic input presses for a level.
bool IsHeldModifier(unsigned long sym) {
    switch (sym) {
    case XK_Shift_L:
    case XK_Shift_R:
    case XK_Control_L:
    case XK_Control_R:
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
    case XK_Super_L:
    case XK_Super_R:
    case XK_Hyper_L:
    case XK_Hyper_R:
    case XK_ISO_Level3_Shift:
    case XK_ISO_Level5_Shift:
    case XK_Mode_switch:
        return true;
    default:
        return false;
    }
}

void ReadRepeatControls(Display* d, KeyboardMap& m) {
    unsigned delay = 0;
    unsigned interval = 0;
    if (XkbGetAutoRepeatRate(d, XkbUseCoreKbd, &delay, &interval)) {
        m.repeatDelayMs = static_cast<int>(delay);
        m.repeatIntervalMs = std::max(1, static_cast<int>(interval));
    }
    XkbDescPtr controls = XkbAllocKeyboard();
    if (!controls) return;
    if (XkbGetControls(d, XkbPerKeyRepeatMask | XkbRepeatKeysMask, controls) == Success &&
        controls->ctrls && (controls->ctrls->enabled_ctrls & XkbRepeatKeysMask)) {
        for (int kc = 0; kc < 256; ++kc)
            m.repeats[kc] = (controls->ctrls->per_key_repeat[kc / 8] >> (kc % 8)) & 1;
    }
    XkbFreeKeyboard(controls, 0, True);
}

} // namespace

KeyboardMap ReadKeyboardMap(Display* d) {
    KeyboardMap m;
    XkbDescPtr xkb =
        XkbGetMap(d, XkbKeyTypesMask | XkbKeySymsMask | XkbVirtualModsMask | XkbModifierMapMask,
                  XkbUseCoreKbd);
    if (!xkb) return m;
    m.xkb.reset(xkb, [](XkbDescPtr p) { XkbFreeKeyboard(p, 0, True); });
    XkbStateRec state{};
    XkbGetState(d, XkbUseCoreKbd, &state);
    m.numLockMask = XkbKeysymToModifiers(d, XK_Num_Lock);
    struct Candidate {
        unsigned long keysym;
        int flags;
        std::uint8_t key;
    };
    std::vector<Candidate> candidates;
    for (int kc = xkb->min_key_code; kc <= xkb->max_key_code && kc < 256; ++kc) {
        const int groups = XkbKeyNumGroups(xkb, kc);
        const bool noKeysym =
            std::all_of(XkbKeySymsPtr(xkb, kc), XkbKeySymsPtr(xkb, kc) + XkbKeyNumSyms(xkb, kc),
                        [](KeySym sym) { return sym == NoSymbol; });
        if (noKeysym && kc >= 8 && VirtualKeyOfPosition(static_cast<unsigned>(kc)) == 0)
            m.spareKeycodes.push_back(static_cast<std::uint8_t>(kc));
        if (groups == 0) continue;
        const int group = state.group % groups;
        const unsigned long base = XkbKeySymEntry(xkb, kc, 0, group);
        if (xkb->map->modmap) {
            const std::uint8_t mods = xkb->map->modmap[kc];
            m.modsOfKeycode[kc] = mods;
            for (int bit = 0; bit < 8; ++bit)
                if ((mods >> bit & 1) && m.keycodeOfMod[bit] == 0 && IsHeldModifier(base))
                    m.keycodeOfMod[bit] = static_cast<std::uint8_t>(kc);
        }
        std::uint8_t key = VirtualKeyOfKeysym(base);
        if (key == 0 && !IsModifierKey(base) && !IsFunctionKey(base))
            key = VirtualKeyOfPosition(static_cast<unsigned>(kc));
        if (key == 0) continue;
        m.keyOfKeycode[kc] = key;
        if (m.keycodeOfKey[key] == 0) m.keycodeOfKey[key] = static_cast<std::uint8_t>(kc);
        const XkbKeyTypeRec& type = *XkbKeyKeyType(xkb, kc, group);
        for (int level = 0; level < type.num_levels; ++level) {
            const unsigned long sym = XkbKeySymEntry(xkb, kc, level, group);
            if (std::uint8_t pad = NumpadKeyOfKeysym(sym); pad && IsKeypadKey(base))
                m.numpadKeyOfKeycode[kc] = pad;
            if (sym != NoSymbol && !IsKeypadKey(base) && !IsHeldModifier(base))
                if (const std::optional<TypingKey> t = TypingKeyOf(
                        xkb, static_cast<unsigned>(kc), group, sym, MaskOfLevel(type, level)))
                    m.typing.push_back(*t);
            // Only the keycode that synthetic input uses for this key may type characters, and
            // the keypad is left to Num Lock.
            if (sym == NoSymbol || IsKeypadKey(base) || m.keycodeOfKey[key] != kc) continue;
            const unsigned mask = MaskOfLevel(type, level);
            if (mask == ~0u) continue;
            const int flags = ShiftFlags(mask);
            if (flags >= 0) candidates.push_back({UnicodeKeysym(sym), flags, key});
        }
    }
    std::stable_sort(m.typing.begin(), m.typing.end(), [](const TypingKey& a, const TypingKey& b) {
        return a.keysym < b.keysym ||
               (a.keysym == b.keysym && std::popcount(a.mods) < std::popcount(b.mods));
    });
    // The plainest way to type each character wins: no modifier, then Shift, then the rest.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         return a.keysym < b.keysym || (a.keysym == b.keysym && a.flags < b.flags);
                     });
    for (const Candidate& c : candidates)
        if (m.chars.empty() || m.chars.back().first != c.keysym)
            m.chars.emplace_back(c.keysym, static_cast<std::int16_t>(c.key | c.flags));
    ReadRepeatControls(d, m);
    return m;
}

std::int16_t ScanOfChar(const KeyboardMap& m, char c) {
    const unsigned long keysym = KeysymOfChar(c);
    if (keysym == 0) return -1;
    const auto it =
        std::lower_bound(m.chars.begin(), m.chars.end(), keysym,
                         [](const auto& entry, unsigned long k) { return entry.first < k; });
    if (it == m.chars.end() || it->first != keysym) return -1;
    return it->second;
}

namespace {

// The virtual key of the keycode; 0 for none.
std::uint8_t SetKeycode(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press,
                        char typed) {
    s.keycodeDown[keycode] = press;
    std::uint8_t key = m.keyOfKeycode[keycode];
    if (s.numLock && m.numpadKeyOfKeycode[keycode]) key = m.numpadKeyOfKeycode[keycode];
    if (key == 0) return 0;
    s.down[key] = press;
    if (press) {
        s.pressed[key] = true;
        s.charOfPress[key] = typed;
    }
    if (const std::uint8_t generic = GenericModifier(key)) {
        const bool left = key == vk::LShift || key == vk::LControl || key == vk::LMenu;
        const std::uint8_t other = static_cast<std::uint8_t>(left ? key + 1 : key - 1);
        s.down[generic] = s.down[key] || s.down[other];
        if (press) s.pressed[generic] = true;
    }
    if (!press && key == s.repeatKey) s.repeatKey = 0;
    return key;
}

} // namespace

void ApplyKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press, double now) {
    if (keycode >= 256) return;
    const char typed = press ? CharOfPress(m, keycode, s.xkbMods, s.xkbGroup) : 0;
    const std::uint8_t key = SetKeycode(s, m, keycode, press, typed);
    if (key != 0 && press && m.repeats[keycode]) {
        s.repeatKey = key;
        s.nextRepeat = now + m.repeatDelayMs / 1000.0;
    }
}

void ApplyOwnKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press,
                      std::uint64_t batch) {
    if (keycode >= 256) return;
    SetKeycode(s, m, keycode, press, 0);
    s.own.push_back({keycode, press, batch});
}

// Only the next one: the server passes the program's events on in the order sent, and one that
// matched further on would be a key another program sent meanwhile.
bool TakeOwnKeyEvent(KeyState& s, const KeyboardMap& m, unsigned keycode, bool press) {
    if (s.own.empty() || s.own.front().keycode != keycode || s.own.front().press != press)
        return false;
    s.own.pop_front();
    // What the press typed is known now, with the modifiers it met at the server.
    if (const std::uint8_t key = m.keyOfKeycode[keycode]; press && key != 0)
        s.charOfPress[key] = CharOfPress(m, keycode, s.xkbMods, s.xkbGroup);
    return true;
}

void ForgetOwnKeyEvents(KeyState& s, std::uint64_t upToBatch) {
    while (!s.own.empty() && s.own.front().batch <= upToBatch) s.own.pop_front();
}

void ApplyButtonEvent(KeyState& s, unsigned button, bool press) {
    const std::uint8_t key = button == 1   ? vk::LButton
                             : button == 2 ? vk::MButton
                             : button == 3 ? vk::RButton
                                           : 0;
    if (key == 0) return;
    s.down[key] = press;
    if (press) s.pressed[key] = true;
}

void ApplyRepeats(KeyState& s, const KeyboardMap& m, double now) {
    if (s.repeatKey == 0 || now < s.nextRepeat) return;
    s.pressed[s.repeatKey] = true;
    const double interval = m.repeatIntervalMs / 1000.0;
    s.nextRepeat += interval;
    if (s.nextRepeat <= now) s.nextRepeat = now + interval;
}

std::int16_t TakeAsyncState(KeyState& s, std::uint8_t key) {
    const int state = (s.down[key] ? 0x8000 : 0) | (s.pressed[key] ? 1 : 0);
    if (s.pressed[key]) s.reportedChar[key] = s.charOfPress[key];
    s.pressed[key] = false;
    return static_cast<std::int16_t>(state);
}

char CharOfPress(const KeyboardMap& m, unsigned keycode, unsigned mods, int group) {
    if (!m.xkb || keycode >= 256 || (mods & (ControlMask | Mod1Mask)) != 0) return 0;
    return CharOfKeysym(Produced(m.xkb.get(), keycode, mods, group));
}
