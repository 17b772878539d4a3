#include "platform/win32/Keyboard.h"

#include "platform/win32/WideText.h"

namespace {

DWORD ForegroundThread() {
    const HWND foreground = GetForegroundWindow();
    return foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
}

} // namespace

std::int16_t AsyncKeyState(std::uint8_t key) {
    return GetAsyncKeyState(key);
}

// Read directly, not while sharing the foreground thread's input state (AttachThreadInput): the
// sharing ends with that thread's own record of held keys reset, so a Ctrl the user holds for
// Ctrl+C would be lost to the application and the C typed as a letter.
std::int16_t CurrentKeyState(std::uint8_t key) {
    return GetKeyState(key);
}

// As keybd_event(key, 0, flags, 0): the key code, scan code 0, flags 0 or KEYEVENTF_KEYUP.
void SendKey(std::uint8_t key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = 0;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// The layout is the one of the window that will receive the keys, so that a character above
// 127 finds its key on the user's keyboard (an e-acute on a French layout) or none at all.
std::int16_t KeyForCharacter(char c) {
    const std::wstring wide = Wide(std::string_view(&c, 1));
    if (wide.size() != 1) return -1;
    const HKL layout = GetKeyboardLayout(ForegroundThread());
    return VkKeyScanExW(wide[0], layout);
}

void SendMouseButton(MouseButton button, bool up) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    switch (button) {
    case MouseButton::Left:
        input.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
        break;
    case MouseButton::Right:
        input.mi.dwFlags = up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
        break;
    case MouseButton::Middle:
        input.mi.dwFlags = up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN;
        break;
    }
    SendInput(1, &input, sizeof input);
}
