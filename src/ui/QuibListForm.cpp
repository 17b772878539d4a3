#include "ui/QuibListForm.h"

#include <string>
#include <utility>

namespace {

constexpr int kWidth = 4800;
constexpr int kTextColumnLeft = 780;
// The window's width that is not the text column: the short-form column, the gap and borders.
constexpr int kBesideTextColumn = 916;

Control Make(std::string name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    c.multiLine = kind == ControlKind::TextBox;
    return c;
}

} // namespace

Form MakeQuibListForm() {
    Form form;
    form.name = "frmPick";
    form.caption = "Quib List - F6";
    form.rect = {0, 0, kWidth, 1115};
    form.topmost = true;
    using K = ControlKind;
    form.controls = {
        Make("lblShFm", K::Label, "Edit:", {45, 45, 690, 225}),
        Make("lblExp", K::Label, "Click text to paste:", {kTextColumnLeft, 45, 1700, 225}),
        Make("lblPasteExit", K::Label,
             "Paste && exit:", {kTextColumnLeft + kPasteAndExitX + 15, 45, 1400, 225}),
        Make("txtShFm", K::TextBox, "", {45, 285, 690, 715}),
        Make("txtExp", K::TextBox, "", {kTextColumnLeft, 285, kWidth - kBesideTextColumn, 715}),
    };
    return form;
}

void LayoutQuibList(Form& form) {
    if (Control* text = FindControl(form, "txtExp"))
        text->rect.width = form.rect.width - kBesideTextColumn;
}
