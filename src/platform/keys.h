#pragma once

#include <cstdint>

// Windows virtual-key codes. Every layer of the program speaks these; backends on other
// desktops translate at their edge.
namespace vk {
inline constexpr std::uint8_t LButton = 0x01;
inline constexpr std::uint8_t RButton = 0x02;
inline constexpr std::uint8_t MButton = 0x04;
inline constexpr std::uint8_t Back = 0x08;
inline constexpr std::uint8_t Tab = 0x09;
inline constexpr std::uint8_t Return = 0x0D;
inline constexpr std::uint8_t Shift = 0x10;
inline constexpr std::uint8_t Control = 0x11;
inline constexpr std::uint8_t Menu = 0x12; // Alt
inline constexpr std::uint8_t Capital = 0x14;
inline constexpr std::uint8_t Escape = 0x1B;
inline constexpr std::uint8_t Space = 0x20;
inline constexpr std::uint8_t Prior = 0x21;
inline constexpr std::uint8_t Next = 0x22;
inline constexpr std::uint8_t End = 0x23;
inline constexpr std::uint8_t Home = 0x24;
inline constexpr std::uint8_t Left = 0x25;
inline constexpr std::uint8_t Up = 0x26;
inline constexpr std::uint8_t Right = 0x27;
inline constexpr std::uint8_t Down = 0x28;
inline constexpr std::uint8_t Insert = 0x2D;
inline constexpr std::uint8_t Delete = 0x2E;
inline constexpr std::uint8_t Key0 = 0x30;
inline constexpr std::uint8_t Key1 = 0x31;
inline constexpr std::uint8_t Key9 = 0x39;
inline constexpr std::uint8_t KeyA = 0x41;
inline constexpr std::uint8_t KeyZ = 0x5A;
inline constexpr std::uint8_t LWin = 0x5B;
inline constexpr std::uint8_t RWin = 0x5C;
inline constexpr std::uint8_t Apps = 0x5D;
inline constexpr std::uint8_t Numpad0 = 0x60;
inline constexpr std::uint8_t F1 = 0x70;
inline constexpr std::uint8_t F2 = 0x71;
inline constexpr std::uint8_t F6 = 0x75;
inline constexpr std::uint8_t F9 = 0x78;
inline constexpr std::uint8_t F11 = 0x7A;
inline constexpr std::uint8_t F12 = 0x7B;
inline constexpr std::uint8_t LShift = 0xA0;
inline constexpr std::uint8_t RShift = 0xA1;
inline constexpr std::uint8_t LControl = 0xA2;
inline constexpr std::uint8_t RControl = 0xA3;
inline constexpr std::uint8_t LMenu = 0xA4;
inline constexpr std::uint8_t RMenu = 0xA5;
inline constexpr std::uint8_t Oem1 = 0xBA;      // ; :
inline constexpr std::uint8_t OemPlus = 0xBB;   // = +
inline constexpr std::uint8_t OemComma = 0xBC;  // , <
inline constexpr std::uint8_t OemMinus = 0xBD;  // - _
inline constexpr std::uint8_t OemPeriod = 0xBE; // . >
inline constexpr std::uint8_t Oem2 = 0xBF;      // / ?
inline constexpr std::uint8_t Oem3 = 0xC0;      // ` ~
inline constexpr std::uint8_t Oem4 = 0xDB;      // [ {
inline constexpr std::uint8_t Oem5 = 0xDC;      // \ |
inline constexpr std::uint8_t Oem6 = 0xDD;      // ] }
inline constexpr std::uint8_t Oem7 = 0xDE;      // ' "
inline constexpr std::uint8_t Oem8 = 0xDF;      // ! on AZERTY
inline constexpr std::uint8_t Oem102 = 0xE2;    // < > beside left Shift on European keyboards
} // namespace vk

// The generic key of a left or right modifier (Shift for right Shift), or 0 for any other key.
constexpr std::uint8_t GenericModifier(std::uint8_t key) {
    switch (key) {
    case vk::LShift:
    case vk::RShift:
        return vk::Shift;
    case vk::LControl:
    case vk::RControl:
        return vk::Control;
    case vk::LMenu:
    case vk::RMenu:
        return vk::Menu;
    default:
        return 0;
    }
}

// Events for a generic modifier act on its left key, as Windows maps them; other keys stand.
constexpr std::uint8_t SidedModifier(std::uint8_t key) {
    switch (key) {
    case vk::Shift:
        return vk::LShift;
    case vk::Control:
        return vk::LControl;
    case vk::Menu:
        return vk::LMenu;
    default:
        return key;
    }
}
