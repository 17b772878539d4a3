// The program's own windows on the simulated desktop: keyboard focus among their controls, and
// keys typed into text boxes and onto buttons, as Windows delivers them.

#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <string>

namespace {

bool TakesFocus(const Control& c) {
    return c.visible && c.enabled &&
           (c.kind == ControlKind::TextBox || c.kind == ControlKind::Button ||
            c.kind == ControlKind::CheckBox);
}

std::string BoxKey(const Form& form, const Control& c) {
    return form.name + "." + c.name + "#" + std::to_string(c.index);
}

} // namespace

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
