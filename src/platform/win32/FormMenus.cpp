#include "platform/win32/FormParts.h"
#include "platform/win32/WideText.h"

namespace {

constexpr UINT kFirstMenuId = 100;

bool SameMenus(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const MenuItem& x = a[i];
        const MenuItem& y = b[i];
        if (x.name != y.name || x.caption != y.caption || x.checked != y.checked ||
            x.enabled != y.enabled || x.visible != y.visible || !SameMenus(x.items, y.items))
            return false;
    }
    return true;
}

// The id of a menu command stays the same across rebuilds, so a command chosen just before a
// rebuild still finds its item.
UINT MenuId(FormView& v, const std::string& name) {
    auto [it, added] =
        v.menuIds.try_emplace(name, kFirstMenuId + static_cast<UINT>(v.menuIds.size()));
    v.commands[it->second] = name;
    return it->second;
}

void AddItems(FormView& v, HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (!item.visible) continue;
        if (item.caption == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags =
            MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.enabled ? 0u : MF_GRAYED);
        const std::wstring caption = Wide(item.caption);
        if (item.items.empty()) {
            AppendMenuW(menu, flags, MenuId(v, item.name), caption.c_str());
            continue;
        }
        const HMENU submenu = CreatePopupMenu();
        AddItems(v, submenu, item.items);
        v.popups[submenu] = item.name;
        AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
    }
}

} // namespace

void SyncMenus(FormView& v) {
    if (v.menuOpen || SameMenus(v.form->menus, v.shown.menus)) return;
    v.popups.clear();
    HMENU bar = nullptr;
    if (!v.form->menus.empty()) {
        bar = CreateMenu();
        AddItems(v, bar, v.form->menus);
    }
    const HMENU old = GetMenu(v.hwnd);
    SetMenu(v.hwnd, bar);
    if (old) DestroyMenu(old);
    DrawMenuBar(v.hwnd);
    v.shown.menus = v.form->menus;
}

// A menu opening is its item's click for the program, which refreshes captions and check marks
// then; the submenu is filled again from the model before Windows shows it.
void OnMenuOpening(FormView& v, HMENU popup) {
    const auto it = v.popups.find(popup);
    if (it == v.popups.end()) return;
    const std::string name = it->second;
    // The bar must not be rebuilt under the submenu that is opening.
    const bool wasOpen = v.menuOpen;
    v.menuOpen = true;
    Deliver(*v.state, {UserAction::Kind::Menu, v.form->name, name, -1, 0, 0, {}});
    v.menuOpen = wasOpen;
    const MenuItem* item = FindMenuItem(*v.form, name);
    if (!item) return;
    while (GetMenuItemCount(popup) > 0) {
        if (const HMENU nested = GetSubMenu(popup, 0)) v.popups.erase(nested);
        DeleteMenu(popup, 0, MF_BYPOSITION);
    }
    AddItems(v, popup, item->items);
    if (MenuItem* shown = FindMenuItem(v.shown.menus, name)) shown->items = item->items;
}

void OnMenuCommand(FormView& v, UINT id) {
    const auto it = v.commands.find(id);
    if (it == v.commands.end()) return;
    const MenuItem* item = FindMenuItem(*v.form, it->second);
    if (!item || !item->enabled || !item->visible) return;
    Deliver(*v.state, {UserAction::Kind::Menu, v.form->name, it->second, -1, 0, 0, {}});
}
