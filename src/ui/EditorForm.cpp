#include "ui/EditorForm.h"

#include "ui/ControlNames.h"

#include <string>
#include <utility>

namespace {

Control Make(std::string_view name, ControlKind kind, std::string caption, TwipRect rect,
             std::string tip = {}) {
    Control c;
    c.name = name;
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
    form.name = kFrmEdit;
    form.caption = "Edit, Add or Delete";
    form.rect = {3000, 2000, 5475, 4815};
    // Over the main window, which itself stays above the other applications.
    form.topmost = true;
    // The order is the order of the focus: the short form first, its expansion next.
    using K = ControlKind;
    form.controls = {
        Make(kLblShFm, K::Label, "Short form:", {120, 150, 1095, 255}),
        Make(kTxtShFm, K::TextBox, "", {1260, 120, 2415, 315}),
        Make(kLblExpTo, K::Label, "Expand to:", {120, 555, 1095, 255}),
        MultiLine(Make(kTxtExpTo, K::TextBox, "", {120, 825, 5115, 1275})),
        Make(kChkActivated, K::CheckBox, "Activated", {120, 2205, 1215, 255}),
        Make(kChkAdded, K::CheckBox, "Added", {1455, 2205, 1035, 255}),
        Make(kCmdPaste, K::Button, "&Paste", {2610, 2175, 1155, 315}),
        Make(kCmdCallDict, K::Button, "&Dictionary", {3885, 2175, 1350, 315}),
        Make(kCmdExitSave, K::Button, "&Save && Exit Edit", {120, 2640, 1635, 375},
             "Saves this change and any other changes already made during this session to "
             "short forms or settings"),
        Make(kCmdRepeatNoSave, K::Button, "Save && &Keep Editing", {1845, 2640, 1875, 375},
             "The change will be temporary unless you chose to save at some time during this "
             "session"),
        Make(kCmdDelete, K::Button, "Delete Short Form", {3810, 2640, 1425, 375}),
        Make(kLblRemoveInfo, K::Label,
             "To remove a short form from the Pick List, but not delete its",
             {120, 3180, 5115, 255}),
        Make(kLblRemoveInfo2, K::Label, "short form, uncheck the Added check box and Save.",
             {120, 3435, 5115, 255}),
    };
    return form;
}
