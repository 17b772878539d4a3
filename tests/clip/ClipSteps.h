#pragma once

#include "../ui/Steps.h"
#include "../ui/UiTest.h"

#include <string>

// The whole program on the simulated desktop, with the Document as the target window.

inline std::string Display(Harness& h) {
    return FindControl(h.app.frmKeyvane, "txtDisplay")->text;
}

// The user selects [anchor, caret) of the Document's text.
inline void Select(Harness& h, std::string text, std::size_t anchor, std::size_t caret) {
    h.sim.document() = {std::move(text), caret, anchor};
}

// The mouse button goes down at x, y twips inside a control.
inline void MouseDownAt(Harness& h, const char* form, const char* control, int x, int y) {
    h.sim.scheduleAction(h.sim.nowMicros(),
                         {UserAction::Kind::MouseDown, form, control, -1, x, y, MouseButton::Left});
}

// The line (from 5, the first after the heading) of the multi-clipboard's list at 8 points in
// the main window's default width, where the simulated box wraps the heading's first two lines
// onto a second row each: the line stands two rows lower than its number.
inline void ClickListLine(Harness& h, int line) {
    MouseDownAt(h, "frmKeyvane", "txtDisplay", 10, (line + 1) * 195 + 20);
}

// Records ("\r\n" short form TAB stored expansion, each) added at the end of the fixture's file,
// where the z records are.
inline void AppendRecords(Harness& h, const std::string& records) {
    std::string db = h.file();
    if (db.ends_with("\r\n")) db.resize(db.size() - 2);
    h.writeFile(db + records + "\r\n");
}
