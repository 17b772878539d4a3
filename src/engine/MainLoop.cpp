#include "engine/MainLoop.h"

#include "engine/Core.h"
#include "engine/Expander.h"
#include "engine/Hotkeys.h"
#include "engine/LookUp.h"
#include "engine/PassReadings.h"
#include "engine/TargetProgram.h"
#include "engine/WordAssembly.h"
#include "keyout/KeyFlush.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <array>

namespace {

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

// What still works while the expander is off, or paused in the program in front: the typing
// counted for the statistics, the clip hotkeys and the Quib List (F6 as the caller read it).
void RunOffPass(Core& core, bool f6) {
    Platform& p = core.platform;
    if (CountKeystrokeWhileOff(core)) {
        ++core.stats.charsTyped;
        AccumulateTypingTime(core);
    }
    // A C or X still held after the capture belongs to the chord, not to the next pass.
    if (IsCtrlDown(p) && RunCtrlHotkeys(core)) {
        while (PollKey(p, 'C') != 0 || PollKey(p, 'X') != 0) {
        }
    }
    if (IsAltDown(p)) RunCalculateHotkey(core);
    if (f6) {
        core.windows.toggleQuibList();
        while (PollKey(p, vk::F6) != 0) {
        }
    }
}

// Returns when the expander has been turned on again, or false when the program must end.
bool RunExpanderOffLoop(Core& core) {
    Platform& p = core.platform;
    while (p.doEvents(EventSite::LoopHead) > 0) {
        p.sleepMs(5);
        TrackTargetWindow(core, 10);
        RunOffPass(core, PollKey(p, vk::F6) != 0);
        if (PollKey(p, vk::F9) != 0 || core.engine.expanderToggleRequest) {
            TurnExpanderOn(core);
            FlushLetterKeys(core.platform);
            ResetWordState(core);
            return true;
        }
        if (PollKey(p, vk::Capital) != 0 && !core.engine.editorOpen) HandleCapsLock(p, core.out);
    }
    return false;
}

} // namespace

void FollowForegroundWindow(Core& core, bool midWord) {
    Platform& p = core.platform;
    EngineState& e = core.engine;
    const WindowId before = e.target;
    const WindowId fg = p.foregroundWindow();
    if (fg != e.target && !core.windows.isOwnWindow(fg)) {
        // The word typed so far stays behind in the window the user left.
        if (e.target != 0 && midWord) {
            ResetWordState(core);
            ResetDisplay(core);
        }
        e.target = fg;
    }
    if (e.target == 0)
        e.target = p.windowFromPoint({p.screenWidthPixels() / 3, p.screenHeightPixels() / 3});
    if (e.target != before) NoteTargetProgram(core);
}

void TrackTargetWindow(Core& core, std::uint16_t period) {
    EngineState& e = core.engine;
    ++e.passCounter;
    if (e.passCounter == 1) FollowForegroundWindow(core, true);
    if (e.passCounter >= period) e.passCounter = 0;
}

// A held key counts once; alternating keys each count.
bool CountKeystrokeWhileOff(Core& core) {
    Platform& p = core.platform;
    EngineState& e = core.engine;
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
void AccumulateTypingTime(Core& core) {
    EngineState& e = core.engine;
    const double now = core.platform.clockSeconds();
    double d = now - e.previousKeystroke;
    if (d <= 0) d = 0.2;
    e.previousKeystroke = now;
    if (d > 1.5) d = e.previousInterval;
    e.previousInterval = d;
    core.stats.typingSeconds += static_cast<float>(d);
}

void RunMainLoop(Core& core) {
    Platform& p = core.platform;
    while (p.doEvents(EventSite::LoopHead) > 0) {
        const PassReadings k = ReadPass(p);
        if (k.capsLock) HandleCapsLock(p, core.out);
        if (core.options.fullSpeed || core.engine.fastCadence) {
            TrackTargetWindow(core, 100);
        } else {
            p.sleepMs(1);
            TrackTargetWindow(core, 12);
        }
        if (!core.options.expanderOn || k.f9) {
            if (core.options.expanderOn) TurnExpanderOffByKey(core);
            if (!RunExpanderOffLoop(core)) return;
        } else if (core.engine.targetProgram.paused) {
            RunOffPass(core, k.f6);
        } else {
            RunPanelHotkeys(core, k);
            // What the pass typed may have pressed Caps Lock; the flag follows the keyboard again.
            if (ProcessPassKey(core, k) == PassEnd::Processed)
                core.out.capsLock = PollKeyState(p, vk::Capital) != 0;
        }
        DiscardShiftAndCapsLock(p);
    }
}
