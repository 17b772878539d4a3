// The program's own windows on the simulated desktop: keyboard focus among their controls, keys
// typed into text boxes and onto buttons, as Windows delivers them, and where a multi-line text
// box lays its text out.

#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool TakesFocus(const Control& c) {
    return c.visible && c.enabled &&
           (c.kind == ControlKind::TextBox || c.kind == ControlKind::Button ||
            c.kind == ControlKind::CheckBox);
}

std::string BoxKey(const Form& form, const Control& c) {
    return form.name + "." + c.name + "#" + std::to_string(c.index);
}

// Every character of a text box is this many twips wide for each point of its font: at 8 points
// 104 twips, about 7 pixels, a little wider than Windows' average, so the multi-clipboard list's
// heading wraps in the main window's default width as it does on a real desktop.
constexpr int kCharTwipsPerPoint = 13;

struct Row {
    std::size_t start;
    std::size_t length; // without the line break
};

// The rows of a text wrapped at `columns` characters: a line longer than that breaks after the
// last space that fits (the space stays at the row's end), or, in a word longer than a row, at
// the edge.
std::vector<Row> WrappedRows(std::string_view text, std::size_t columns) {
    std::vector<Row> rows;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > start && text[end - 1] == '\r' && lf != std::string_view::npos) --end;
        while (end - start > columns) {
            const std::size_t space = text.substr(start, columns + 1).rfind(' ');
            const std::size_t length =
                space != std::string_view::npos && space > 0 ? space + 1 : columns;
            rows.push_back({start, std::min(length, columns)});
            start += length;
        }
        rows.push_back({start, end - start});
        if (lf == std::string_view::npos) return rows;
        start = lf + 1;
    }
}

} // namespace

std::optional<std::size_t> SimDesktop::textIndexAt(const Form& form, std::string_view control,
                                                   int x, int y) {
    const Control* box = FindControl(form, control);
    if (!form.visible || !box || !box->visible || box->kind != ControlKind::TextBox ||
        !box->multiLine || box->fontPoints <= 0 || x < 0 || y < 0)
        return std::nullopt;
    const int rowTwips = TextRowTwips(box->fontPoints);
    if (rowTwips <= 0) return std::nullopt;
    const int charTwips = box->fontPoints * kCharTwipsPerPoint;
    const auto columns = static_cast<std::size_t>(std::max(1, box->rect.width / charTwips));
    const std::vector<Row> rows = WrappedRows(box->text, columns);
    const auto row = static_cast<std::size_t>(y / rowTwips);
    if (row >= rows.size()) return std::nullopt;
    const auto column = static_cast<std::size_t>(x / charTwips);
    return rows[row].start + std::min(column, rows[row].length);
}

void SimDesktop::dispatch(const UserAction& action) {
    if (!handler_) return;
    ++handlerDepth_;
    handler_(action);
    --handlerDepth_;
}

Control* SimDesktop::focusedControl(Form& form) {
    const auto it = formFocus_.find(form.window);
    if (it == formFocus_.end()) return nullptr;
    Control* c = FindControl(form, it->second.first, it->second.second);
    return c && TakesFocus(*c) ? c : nullptr;
}

void SimDesktop::moveFocus(Form& form, bool backwards) {
    const std::size_t n = form.controls.size();
    if (n == 0) return;
    const Control* current = focusedControl(form);
    std::size_t at = backwards ? 0 : n - 1;
    if (current) at = static_cast<std::size_t>(current - form.controls.data());
    for (std::size_t step = 1; step <= n; ++step) {
        const std::size_t i = backwards ? (at + n - step) % n : (at + step) % n;
        if (TakesFocus(form.controls[i])) {
            formFocus_[form.window] = {form.controls[i].name, form.controls[i].index};
            return;
        }
    }
}

void SimDesktop::handleFormKey(const FormKey& k) {
    Form* form = formOf(k.window);
    if (!form || !form->visible) return;
    if (k.key == vk::Tab && !k.ch && !k.modifiers.ctrl && !k.modifiers.alt) {
        moveFocus(*form, k.modifiers.shift);
        return;
    }
    Control* c = focusedControl(*form);
    if (!c) return;
    const std::string name = c->name;
    const int index = c->index;
    if (c->kind == ControlKind::Button || c->kind == ControlKind::CheckBox) {
        if (k.ch || k.modifiers.ctrl || k.modifiers.alt) return;
        if (k.key == vk::Space || (k.key == vk::Return && c->kind == ControlKind::Button)) {
            if (c->kind == ControlKind::CheckBox) c->checked = !c->checked;
            dispatch({UserAction::Kind::Click, form->name, name, index, 0, 0, {}});
        }
        return;
    }
    const bool lineBreak = k.ch ? k.ch == '\r' || k.ch == '\n' : k.key == vk::Return;
    if (lineBreak && !c->multiLine) return;
    SimEditor& e = textBoxes_[BoxKey(*form, *c)];
    const std::string current = LinesFromCrLf(c->text);
    if (e.text != current) e = {current, current.size(), current.size()};
    if (k.ch)
        EditorChar(e, k.ch);
    else
        EditorKeyDown(e, k.key, k.modifiers, *layout_, clipboard_);
    const std::string changed = LinesToCrLf(e.text);
    if (changed == c->text) return;
    c->text = changed;
    dispatch({UserAction::Kind::Change, form->name, name, index, 0, 0, {}});
}

bool SimDesktop::clickInto(std::string_view window, std::string_view control, int index) {
    if (window == "Document" || window == "Terminal") {
        if (!control.empty()) return false;
        foreground_ = window == "Document" ? kDocument : kTerminal;
        return true;
    }
    Form* form = findForm(window);
    if (!form || !form->visible) return false;
    if (!control.empty()) {
        const Control* c = FindControl(*form, control, index);
        if (!c || !TakesFocus(*c)) return false;
        formFocus_[form->window] = {c->name, c->index};
    } else if (!focusedControl(*form)) {
        moveFocus(*form, false);
    }
    foreground_ = form->window;
    return true;
}

std::string SimDesktop::focusName() {
    if (const AppWindow* w = appWindow(foreground_)) return w->title;
    Form* form = formOf(foreground_);
    if (!form) return "";
    const Control* c = focusedControl(*form);
    if (!c) return form->name;
    std::string name = form->name + "." + c->name;
    if (c->index >= 0) name += '(' + std::to_string(c->index) + ')';
    return name;
}
