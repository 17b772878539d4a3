#include "ui/QuibListForm.h"

#include "ui/ControlNames.h"

#include <string>
#include <utility>

namespace {

constexpr int kWidth = 4800;
constexpr int kTextColumnLeft = 780;
// The window's width that is not the text column: the short-form column, the gap and borders.
constexpr int kBesideTextColumn = 916;

Control Make(std::string_view name, ControlKind kind, std::string caption, TwipRect rect) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.caption = std::move(caption);
    c.rect = rect;
    c.multiLine = kind == ControlKind::TextBox;
    return c;
}

} // namespace

Form MakeQuibListForm() {
    Form form;
    form.name = kFrmPick;
    form.caption = "Quib List - F6";
    form.rect = {0, 0, kWidth, 1115};
    form.topmost = true;
    using K = ControlKind;
    form.controls = {
        Make(kLblShFm, K::Label, "Edit:", {45, 45, 690, 225}),
        Make(kLblExp, K::Label, "Click text to paste:", {kTextColumnLeft, 45, 1700, 225}),
        Make(kLblPasteExit, K::Label,
             "Paste && exit:", {kTextColumnLeft + kPasteAndExitX + 15, 45, 1400, 225}),
        Make(kTxtShFm, K::TextBox, "", {45, 285, 690, 715}),
        Make(kTxtExp, K::TextBox, "", {kTextColumnLeft, 285, kWidth - kBesideTextColumn, 715}),
    };
    return form;
}

void LayoutQuibList(Form& form) {
    if (Control* text = FindControl(form, kTxtExp))
        text->rect.width = form.rect.width - kBesideTextColumn;
}
