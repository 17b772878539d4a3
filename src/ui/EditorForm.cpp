#include "ui/EditorForm.h"

#include <string>
#include <utility>

namespace {

Control Make(std::string name, ControlKind kind, std::string caption, TwipRect rect,
             std::string tip = {}) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    c.tip = std::move(tip);
    return c;
}

Control MultiLine(Control c) {
    c.multiLine = true;
    return c;
}

} // namespace

Form MakeEditorForm() {
    Form form;
    form.name = "frmEdit";
    form.caption = "Edit, Add or Delete";
    form.rect = {3000, 2000, 5475, 4815};
    // Over the main window, which itself stays above the other applications.
    form.topmost = true;
    // The order is the order of the focus: the short form first, its expansion next.
    using K = ControlKind;
    form.controls = {
        Make("lblShFm", K::Label, "Short form:", {120, 150, 1095, 255}),
        Make("txtShFm", K::TextBox, "", {1260, 120, 2415, 315}),
        Make("lblExpTo", K::Label, "Expand to:", {120, 555, 1095, 255}),
        MultiLine(Make("txtExpTo", K::TextBox, "", {120, 825, 5115, 1275})),
        Make("chkActivated", K::CheckBox, "Activated", {120, 2205, 1215, 255}),
        Make("chkAdded", K::CheckBox, "Added", {1455, 2205, 1035, 255}),
        Make("cmdPaste", K::Button, "&Paste", {2610, 2175, 1155, 315}),
        Make("cmdCallDict", K::Button, "&Dictionary", {3885, 2175, 1350, 315}),
        Make("cmdExitSave", K::Button, "&Save && Exit Edit", {120, 2640, 1635, 375},
             "Saves this change and any other changes already made during this session to "
             "short forms or settings"),
        Make("cmdRepeatNoSave", K::Button, "Save && &Keep Editing", {1845, 2640, 1875, 375},
             "The change will be temporary unless you chose to save at some time during this "
             "session"),
        Make("cmdDelete", K::Button, "Delete Short Form", {3810, 2640, 1425, 375}),
        Make("lblRemoveInfo", K::Label,
             "To remove a short form from the Pick List, but not delete its",
             {120, 3180, 5115, 255}),
        Make("lblRemoveInfo2", K::Label, "short form, uncheck the Added check box and Save.",
             {120, 3435, 5115, 255}),
    };
    return form;
}
