#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A window of the program as data. Handlers in ui/ read and change these models; a backend
// renders them and turns the user's actions into handler calls. Geometry is in twips.

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

using WindowId = std::uintptr_t; // 0 is no window

struct MenuItem {
    std::string name; // control name, as in mnuExit; separators have an empty name
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem> items;
};

enum class ControlKind { Label, TextBox, Button, CheckBox, ScrollBar };

struct Control {
    std::string name;
    int index = -1; // position in a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string caption; // buttons, labels and check boxes
    std::string text;    // text boxes
    std::string tip;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool multiLine = false;
    std::uint32_t color = 0xFFFFFF; // Windows BGR colour
    int fontPoints = 8;
    TwipRect rect;
    int value = 0; // scroll bars
    int min = 0;
    int max = 0;
};

enum class WindowState { Normal, Minimized };

struct Form {
    std::string name;
    std::string caption;
    TwipRect rect;
    bool open = false; // loaded: counts as one of the program's open windows
    bool visible = false;
    bool topmost = false;
    bool borderless = false;
    WindowState state = WindowState::Normal;
    std::uint32_t color = 0xFFFFFF;
    std::vector<MenuItem> menus;
    std::vector<Control> controls;
    WindowId window = 0; // the backend's handle while the form is shown
};

MenuItem* FindMenuItem(Form& form, std::string_view name);
MenuItem* FindMenuItem(std::vector<MenuItem>& items, std::string_view name);
const MenuItem* FindMenuItem(const Form& form, std::string_view name);
Control* FindControl(Form& form, std::string_view name, int index = -1);
const Control* FindControl(const Form& form, std::string_view name, int index = -1);
// The height of one row of a multi-line text box whose font has these points, as the program
// lays its boxes out and reads clicks on their rows; 0 for a size without rows of its own.
// A backend whose fonts draw other rows reports clicks in rows of this height.
int TextRowTwips(int points);
