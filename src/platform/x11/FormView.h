#pragma once

#include "platform/Platform.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's form models rendered as toolkit windows. The models stay the program's: each
// sync compares a model with what was last rendered and changes only the widgets that differ,
// and what the user does becomes a UserAction in the queue (handlers never run inside the
// toolkit's own event handling, except the refresh a menu bar asks for before it opens).

struct FormViews;
struct FormView;

struct ControlView {
    FormView* view = nullptr;
    std::size_t index = 0; // in the form's controls
    Control shown;         // the model as last rendered
    Fl_Widget* widget = nullptr;
    std::unique_ptr<Fl_Text_Buffer> buffer; // multi-line text boxes
};

struct MenuView {
    Fl_Menu_Bar* bar = nullptr;
    std::vector<MenuItem> shown;
    std::deque<std::string> labels; // the items' label texts, at stable addresses
    std::vector<std::string> names; // by item user data
    std::vector<Fl_Menu_Item> items;
};

struct FormView {
    FormViews* owner = nullptr;
    Form* form = nullptr;
    MenuView menu;
    std::vector<std::unique_ptr<ControlView>> controls;
    // Declared last, so it goes first: its widgets still use the menu items and text buffers.
    std::unique_ptr<Fl_Double_Window> window;
    std::string shownCaption;
    TwipRect shownRect;
    int placedX = 0; // where the window was put, to tell a move by the user
    int placedY = 0;
    std::uint32_t shownColor = 0;
    bool shownTopmost = false;
    WindowState shownState = WindowState::Normal;
};

struct FormViews {
    std::vector<std::unique_ptr<FormView>> views;
    std::deque<UserAction> actions;
    // Runs a handler at once: a menu bar about to open lets the program refresh its items.
    std::function<void(const UserAction&)> runNow;
    int twipsPerPixel = 15;
    bool syncing = false; // widget callbacks while models are rendered are not the user's
};

void AttachFormViews(FormViews& v, std::span<Form* const> forms);
void ShowFormView(FormViews& v, Form& form, bool activate);
void HideFormView(FormViews& v, Form& form);
// Brings every shown window up to date with its model.
void SyncFormViews(FormViews& v);
// The character of a shown multi-line text box at a point in twips inside it, as the toolkit's
// text widget lays it out (its wrapping, the program's row heights).
std::optional<std::size_t> TextIndexAt(FormViews& v, const Form& form, std::string_view control,
                                       int x, int y);

// Menus (MenuView.cpp).
void RenderMenu(FormView& view);
bool SameMenus(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b);
Fl_Menu_Bar* MakeMenuBar(FormView& view, int width, int height);
