#include "platform/Form.h"

MenuItem* FindMenuItem(std::vector<MenuItem>& items, std::string_view name) {
    if (name.empty()) return nullptr; // separators have no name
    for (MenuItem& item : items) {
        if (item.name == name) return &item;
        if (MenuItem* inner = FindMenuItem(item.items, name)) return inner;
    }
    return nullptr;
}

MenuItem* FindMenuItem(Form& form, std::string_view name) {
    return FindMenuItem(form.menus, name);
}

Control* FindControl(Form& form, std::string_view name, int index) {
    for (Control& c : form.controls)
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
