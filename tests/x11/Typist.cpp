#include "Typist.h"

#include "platform/keys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void Send(Typist& t, unsigned keycode, bool press) {
    if (t.device)
        XTestFakeDeviceKeyEvent(t.display, static_cast<XDevice*>(t.device), keycode,
                                press ? True : False, nullptr, 0, CurrentTime);
    else
        XTestFakeKeyEvent(t.display, keycode, press ? True : False, CurrentTime);
    XSync(t.display, False);
}

unsigned KeycodeOfName(Typist& t, const std::string& name) {
    static const std::pair<const char*, const char*> aliases[] = {
        {"ctrl", "Control_L"}, {"shift", "Shift_L"}, {"alt", "Alt_L"}, {"super", "Super_L"}};
    std::string keysymName = name;
    for (const auto& [alias, real] : aliases)
        if (name == alias) keysymName = real;
    const KeySym sym = XStringToKeysym(keysymName.c_str());
    return sym == NoSymbol ? 0 : XKeysymToKeycode(t.display, sym);
}

} // namespace

bool OpenTypist(Typist& t) {
    t.display = XOpenDisplay(nullptr);
    if (!t.display) return false;
    t.keymap = ReadKeyboardMap(t.display);
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(t.display, XIAllDevices, &count);
    for (int i = 0; i < count && !t.device; ++i) {
        const std::string name = devices[i].name;
        if (devices[i].use == XISlaveKeyboard && name.find("XTEST") == std::string::npos)
            t.device = XOpenDevice(t.display, static_cast<XID>(devices[i].deviceid));
    }
    XIFreeDeviceInfo(devices);
    return true;
}

void CloseTypist(Typist& t) {
    if (!t.display) return;
    if (t.device) XCloseDevice(t.display, static_cast<XDevice*>(t.device));
    XCloseDisplay(t.display);
    t = Typist{};
}

void TypeText(Typist& t, std::string_view text) {
    const unsigned shift = t.keymap.keycodeOfKey[vk::LShift];
    for (const char c : text) {
        const std::int16_t scan = ScanOfChar(t.keymap, c == '\n' ? '\r' : c);
        if (scan < 0) continue;
        const unsigned keycode = t.keymap.keycodeOfKey[scan & 0xFF];
        const bool shifted = (scan & 0x100) != 0;
        if (shifted) {
            Send(t, shift, true);
            SleepMs(t.leadMs);
        }
        Send(t, keycode, true);
        SleepMs(t.holdMs);
        Send(t, keycode, false);
        if (shifted) Send(t, shift, false);
        SleepMs(t.gapMs);
    }
}

bool PressChord(Typist& t, std::string_view chord) {
    std::vector<unsigned> keys;
    std::size_t start = 0;
    while (start <= chord.size()) {
        const std::size_t plus = chord.find('+', start);
        const std::string name(chord.substr(start, plus - start));
        const unsigned keycode = KeycodeOfName(t, name);
        if (keycode == 0) return false;
        keys.push_back(keycode);
        if (plus == std::string_view::npos) break;
        start = plus + 1;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        Send(t, keys[i], true);
        SleepMs(i + 1 < keys.size() ? t.leadMs : t.holdMs);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) Send(t, *it, false);
    SleepMs(t.gapMs);
    return true;
}
