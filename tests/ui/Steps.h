#pragma once

#include "../engine/Harness.h"
#include "platform/sim/UsLayout.h"

#include <functional>
#include <string>
#include <vector>

// The user's part in a run of the whole program: each step starts once the program waits at its
// loop head with nothing pending and 150 ms after the previous one; the program is stopped after
// the last step, unless it has ended by itself.
inline void RunSteps(Harness& h, std::vector<std::function<void()>> steps) {
    std::size_t next = 0;
    std::int64_t readyAt = 100'000;
    h.sim.setIdleHook([&] {
        if (h.sim.nowMicros() < readyAt) return;
        if (next == steps.size()) {
            h.sim.stopProgram();
            return;
        }
        steps[next++]();
        readyAt = h.sim.nowMicros() + 150'000;
    });
    RunProgram(h.app);
}

inline void ChooseMenu(Harness& h, const char* item) {
    h.chooseMenuAt(h.sim.nowMicros(), item);
}

// A click on a check box flips it before its handler runs, as on the desktop.
inline void ClickOn(Harness& h, const char* form, const char* control) {
    Control* c = FindControl(*h.sim.findForm(form), control);
    if (c->kind == ControlKind::CheckBox) c->checked = !c->checked;
    h.sim.scheduleAction(h.sim.nowMicros(), {UserAction::Kind::Click, form, control, -1, 0, 0, {}});
}

inline void SetText(Harness& h, const char* form, const char* control, const std::string& text) {
    FindControl(*h.sim.findForm(form), control)->text = text;
    h.sim.scheduleAction(h.sim.nowMicros(),
                         {UserAction::Kind::Change, form, control, -1, 0, 0, {}});
}

// Typed on the keyboard, into whatever has the focus; each key is held 30 ms.
inline void TypeKeys(Harness& h, const std::string& text) {
    std::int64_t t = h.sim.nowMicros();
    for (char c : text) {
        const std::optional<KeyStroke> k = UsKeyForChar(c);
        if (k->shift) h.sim.schedulePhysicalKey(t, vk::LShift, false);
        h.sim.schedulePhysicalKey(t, k->key, false);
        h.sim.schedulePhysicalKey(t + 30'000, k->key, true);
        if (k->shift) h.sim.schedulePhysicalKey(t + 30'000, vk::LShift, true);
        t += 90'000;
    }
}

inline Control& EditorControl(Harness& h, const char* name) {
    return *FindControl(h.app.frmEdit, name);
}
