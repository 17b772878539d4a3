#pragma once

#include <span>
#include <string_view>

// The two Edit submenus whose entries type a sample formula for the user to edit and calculate.
enum class FormulaSubmenu { ConstantsAndConversions, Formulas };

struct FormulaMenu {
    FormulaSubmenu submenu;
    std::string_view menuName;
    std::string_view caption;
};

struct FormulaSample {
    FormulaSubmenu submenu;
    std::string_view menuName;
    std::string_view caption;
    std::string_view sample; // a key script; empty for a heading
    bool heading;            // a caption that only labels the entries below it
};

// The two submenus, in menu order.
std::span<const FormulaMenu> FormulaMenus();

// Every entry of both submenus, headings included, in menu order.
std::span<const FormulaSample> FormulaSamples();
