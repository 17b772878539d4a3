#include "engine/MainLoop.h"

#include "app/App.h"
#include "engine/ClipHooks.h"
#include "engine/Expander.h"
#include "engine/Hotkeys.h"
#include "engine/PassReadings.h"
#include "engine/WordAssembly.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <array>

namespace {

void Discard(Platform& p, std::initializer_list<std::uint8_t> keys) {
    for (std::uint8_t key : keys) PollKey(p, key);
}

// Keys that count as typing while the expander is off, in the order they are read.
constexpr std::array<std::uint8_t, 65> kOffLoopKeys = [] {
    std::array<std::uint8_t, 65> keys{};
    std::size_t n = 0;
    keys[n++] = vk::Space;
    for (int k = vk::KeyA; k <= vk::KeyZ; ++k) keys[n++] = static_cast<std::uint8_t>(k);
    for (int k = vk::Key0; k <= vk::Key9; ++k) keys[n++] = static_cast<std::uint8_t>(k);
    keys[n++] = vk::Tab;
    keys[n++] = vk::Return;
    for (int k = 96; k <= 111; ++k) keys[n++] = static_cast<std::uint8_t>(k);
    for (int k = 186; k <= 192; ++k) keys[n++] = static_cast<std::uint8_t>(k);
    for (int k = 219; k <= 221; ++k) keys[n++] = static_cast<std::uint8_t>(k);
    return keys;
}();

// Returns when the expander has been turned on again, or false when the program must end.
bool RunExpanderOffLoop(App& app) {
    Platform& p = app.platform;
    while (p.doEvents(EventSite::LoopHead) > 0) {
        p.sleepMs(5);
        TrackTargetWindow(app, 10);
        if (CountKeystrokeWhileOff(app)) {
            ++app.stats.charsTyped;
            AccumulateTypingTime(app);
        }
        // A C or X still held after the capture belongs to the chord, not to the next pass.
        if (IsCtrlDown(p) && RunCtrlHotkeys(app)) {
            while (PollKey(p, 'C') != 0 || PollKey(p, 'X') != 0) {
            }
        }
        if (IsAltDown(p)) RunCalculateHotkey(app);
        if (PollKey(p, vk::F6) != 0) {
            ToggleQuibList(app);
            while (PollKey(p, vk::F6) != 0) {
            }
        }
        if (PollKey(p, vk::F9) != 0 || app.engine.expanderToggleRequest) {
            TurnExpanderOn(app);
            FlushLetterKeys(app);
            ResetWordState(app);
            return true;
        }
        if (PollKey(p, vk::Capital) != 0 && !app.engine.editorOpen) HandleCapsLock(p, app.out);
    }
    return false;
}

} // namespace

void TrackTargetWindow(App& app, std::uint16_t period) {
    Platform& p = app.platform;
    EngineState& e = app.engine;
    ++e.passCounter;
    if (e.passCounter == 1) {
        const WindowId fg = p.foregroundWindow();
        bool own = false;
        for (const Form* f : OwnForms(app)) own = own || (fg != 0 && fg == f->window);
        if (fg != e.target && !own) e.target = fg;
        if (e.target == 0)
            e.target = p.windowFromPoint({p.screenWidthPixels() / 3, p.screenHeightPixels() / 3});
    }
    if (e.passCounter >= period) e.passCounter = 0;
}

void FlushLetterKeys(App& app) {
    Discard(app.platform, {vk::Back, vk::Shift, vk::LShift, vk::RShift, vk::Oem3});
    for (std::uint8_t k = vk::KeyA; k <= vk::KeyZ; ++k) PollKey(app.platform, k);
}

void FlushTypingKeys(App& app) {
    for (int k = 9; k <= 57; ++k) PollKey(app.platform, static_cast<std::uint8_t>(k));
    for (int k = 186; k <= 222; ++k) PollKey(app.platform, static_cast<std::uint8_t>(k));
}

void FlushOutputKeys(App& app) {
    for (int k = 48; k <= 64; ++k) PollKey(app.platform, static_cast<std::uint8_t>(k));
    for (int k = 91; k <= 226; ++k) PollKey(app.platform, static_cast<std::uint8_t>(k));
    Discard(app.platform, {vk::Tab, vk::Space, vk::Return});
}

void DiscardShiftAndCapsLock(Platform& p) {
    Discard(p, {vk::Shift, vk::LShift, vk::RShift, vk::Capital});
}

void WaitKeyAndAltUp(App& app, std::uint8_t key) {
    Platform& p = app.platform;
    for (;;) {
        const bool k = PollKey(p, key) != 0;
        const bool a = PollKey(p, vk::Menu) != 0;
        const bool l = PollKey(p, vk::LMenu) != 0;
        const bool r = PollKey(p, vk::RMenu) != 0;
        if (!k && !a && !l && !r) return;
    }
}

// A held key counts once; alternating keys each count.
bool CountKeystrokeWhileOff(App& app) {
    Platform& p = app.platform;
    EngineState& e = app.engine;
    if (IsCtrlDown(p) || IsAltDown(p)) return false;
    ++e.offRunCounter;
    for (std::uint8_t key : kOffLoopKeys) {
        if (PollKey(p, key) == 0) continue;
        if (e.offRunCounter == 1 || key != e.offLastKey) {
            e.offLastKey = key;
            return true;
        }
        return false;
    }
    e.offRunCounter = 0;
    return false;
}

// A pause in typing is replaced by the last normal interval, so thinking time is not typing.
void AccumulateTypingTime(App& app) {
    EngineState& e = app.engine;
    const double now = app.platform.clockSeconds();
    double d = now - e.previousKeystroke;
    if (d <= 0) d = 0.2;
    e.previousKeystroke = now;
    if (d > 1.5) d = e.previousInterval;
    e.previousInterval = d;
    app.stats.typingSeconds += static_cast<float>(d);
}

void RunMainLoop(App& app) {
    Platform& p = app.platform;
    while (p.doEvents(EventSite::LoopHead) > 0) {
        const PassReadings k = ReadPass(p);
        if (k.capsLock) HandleCapsLock(p, app.out);
        if (app.options.fullSpeed || app.engine.fastCadence) {
            TrackTargetWindow(app, 100);
        } else {
            p.sleepMs(1);
            TrackTargetWindow(app, 12);
        }
        if (!app.options.expanderOn || k.f9) {
            if (app.options.expanderOn) TurnExpanderOffByKey(app);
            if (!RunExpanderOffLoop(app)) return;
        } else {
            RunPanelHotkeys(app, k);
            // What the pass typed may have pressed Caps Lock; the flag follows the keyboard again.
            if (ProcessPassKey(app, k) == PassEnd::Processed)
                app.out.capsLock = PollKeyState(p, vk::Capital) != 0;
        }
        DiscardShiftAndCapsLock(p);
    }
}
