#include "platform/x11/FormView.h"
#include "platform/x11/Labels.h"

#include <FL/Fl.H>

namespace {

// A menu bar that lets the program refresh its items before one opens, as a Windows menu's
// own click event does.
class RefreshingMenuBar : public Fl_Menu_Bar {
  public:
    RefreshingMenuBar(int x, int y, int w, int h, FormView& view)
        : Fl_Menu_Bar(x, y, w, h), view_(view) {}

    int handle(int event) override {
        const bool opening = event == FL_PUSH || (event == FL_SHORTCUT && menu() &&
                                                  menu()->find_shortcut(nullptr, true));
        if (opening && view_.owner->runNow) {
            for (const MenuItem& top : view_.form->menus)
                if (!top.items.empty() && top.enabled && top.visible)
                    view_.owner->runNow(
                        {UserAction::Kind::Menu, view_.form->name, top.name, -1, 0, 0, {}});
            RenderMenu(view_);
        }
        // Alt and the accelerator of a top-level item without a submenu choose it, as on
        // Windows; the toolkit only opens submenus that way.
        if (event == FL_SHORTCUT && menu()) {
            const Fl_Menu_Item* item = menu()->find_shortcut(nullptr, true);
            if (item && !item->submenu()) {
                picked(item);
                return 1;
            }
        }
        return Fl_Menu_Bar::handle(event);
    }

  private:
    FormView& view_;
};

void OnMenuItem(Fl_Widget* bar, void* data) {
    auto* view = static_cast<FormView*>(bar->user_data());
    const auto index = reinterpret_cast<std::uintptr_t>(data);
    view->owner->actions.push_back(
        {UserAction::Kind::Menu, view->form->name, view->menu.names[index], -1, 0, 0, {}});
}

void Flatten(MenuView& m, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.name.empty() && item.caption == "-") {
            if (!m.items.empty() && m.items.back().text) m.items.back().flags |= FL_MENU_DIVIDER;
            continue;
        }
        int flags = 0;
        if (!item.items.empty()) flags |= FL_SUBMENU;
        if (!item.enabled) flags |= FL_MENU_INACTIVE;
        if (!item.visible) flags |= FL_MENU_INVISIBLE;
        if (item.checked) flags |= FL_MENU_TOGGLE | FL_MENU_VALUE;
        m.labels.push_back(ToolkitLabel(item.caption));
        m.names.push_back(item.name);
        Fl_Menu_Item entry{};
        entry.text = m.labels.back().c_str();
        entry.callback_ = OnMenuItem;
        entry.user_data_ = reinterpret_cast<void*>(static_cast<std::uintptr_t>(m.names.size() - 1));
        entry.flags = flags;
        entry.labelsize_ = 12;
        m.items.push_back(entry);
        if (!item.items.empty()) {
            Flatten(m, item.items);
            m.items.push_back(Fl_Menu_Item{});
        }
    }
}

bool SameItem(const MenuItem& a, const MenuItem& b) {
    return a.name == b.name && a.caption == b.caption && a.checked == b.checked &&
           a.enabled == b.enabled && a.visible == b.visible && SameMenus(a.items, b.items);
}

} // namespace

bool SameMenus(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameItem(a[i], b[i])) return false;
    return true;
}

void RenderMenu(FormView& view) {
    MenuView& m = view.menu;
    if (!m.bar || SameMenus(m.shown, view.form->menus)) return;
    m.shown = view.form->menus;
    m.labels.clear();
    m.names.clear();
    m.items.clear();
    Flatten(m, m.shown);
    m.items.push_back(Fl_Menu_Item{});
    m.bar->menu(m.items.data());
    m.bar->redraw();
}

Fl_Menu_Bar* MakeMenuBar(FormView& view, int width, int height) {
    auto* bar = new RefreshingMenuBar(0, 0, width, height, view);
    bar->user_data(&view);
    bar->textsize(12);
    bar->box(FL_FLAT_BOX);
    return bar;
}
