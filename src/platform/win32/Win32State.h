#pragma once

#include "platform/Form.h"
#include "platform/Platform.h"
#include "platform/win32/DesktopWindows.h"
#include "platform/win32/InputSender.h"
#include "platform/win32/RawKeyboard.h"
#include "platform/win32/WinApi.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct Win32State;

// One control of a form and what its native control shows, so that only what the model changed
// since is sent to the control.
struct ControlView {
    std::string name;
    int index = -1;
    HWND hwnd = nullptr;
    Control shown;
};

// One form and its native window. `shown` holds the form's caption, geometry, state, colour and
// menus as rendered; the controls are in `controls`.
struct FormView {
    Win32State* state = nullptr;
    Form* form = nullptr;
    HWND hwnd = nullptr;
    Form shown;
    std::vector<ControlView> controls;
    HWND tooltip = nullptr;
    std::map<std::string, UINT> menuIds;  // stable command ids by item name
    std::map<UINT, std::string> commands; // command id to item name
    std::map<HMENU, std::string> popups;  // submenu to the name of its item
    bool menuOpen = false;
    bool settingText = false; // a text box is being set from the model, not by the user
};

struct Win32State {
    std::vector<std::unique_ptr<FormView>> views;
    std::function<void(const UserAction&)> handler;
    int handlerDepth = 0;
    HWND clipboardOwner = nullptr;
    HANDLE instanceMutex = nullptr;
    bool otherInstance = false;
    int dpiX = 96;
    int dpiY = 96;
    LARGE_INTEGER clockFrequency{};
    std::map<std::uint32_t, HBRUSH> brushes;
    std::map<int, HFONT> fonts;
    WindowPixels pixels;
    ULONGLONG lastSync = 0;     // when the windows were last brought in step with the models
    LONGLONG lastEventStep = 0; // performance counter at the last run of the messages
    RawKeyboard keyboard;
    InputSender sender;
};

// Twips of the program to pixels of the screen, and back, with the display's real resolution.
int PixelsX(const Win32State& s, int twips);
int PixelsY(const Win32State& s, int twips);
int TwipsX(const Win32State& s, int pixels);
int TwipsY(const Win32State& s, int pixels);
