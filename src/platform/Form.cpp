#include "platform/Form.h"

#include <utility>

namespace {

const MenuItem* FindIn(const std::vector<MenuItem>& items, std::string_view name) {
    if (name.empty()) return nullptr; // separators have no name
    for (const MenuItem& item : items) {
        if (item.name == name) return &item;
        if (const MenuItem* inner = FindIn(item.items, name)) return inner;
    }
    return nullptr;
}

} // namespace

MenuItem* FindMenuItem(std::vector<MenuItem>& items, std::string_view name) {
    return const_cast<MenuItem*>(FindIn(items, name));
}

MenuItem* FindMenuItem(Form& form, std::string_view name) {
    return FindMenuItem(form.menus, name);
}

const MenuItem* FindMenuItem(const Form& form, std::string_view name) {
    return FindIn(form.menus, name);
}

Control* FindControl(Form& form, std::string_view name, int index) {
    return const_cast<Control*>(FindControl(std::as_const(form), name, index));
}

const Control* FindControl(const Form& form, std::string_view name, int index) {
    for (const Control& c : form.controls)
        if (c.name == name && c.index == index) return &c;
    return nullptr;
}

int TextRowTwips(int points) {
    switch (points) {
    case 8:
        return 195;
    case 10:
        return 240;
    case 12:
        return 300;
    default:
        return 0;
    }
}
