#include "platform/win32/Keyboard.h"

#include "platform/win32/WideText.h"

namespace {

DWORD ForegroundThread() {
    const HWND foreground = GetForegroundWindow();
    return foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
}

INPUT UnicodeInput(wchar_t c, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    input.ki.dwExtraInfo = kOwnInput;
    return input;
}

} // namespace

// Read directly, not while sharing the foreground thread's input state (AttachThreadInput): the
// sharing ends with that thread's own record of held keys reset, so a Ctrl the user holds for
// Ctrl+C would be lost to the application and the C typed as a letter.
std::int16_t CurrentKeyState(std::uint8_t key) {
    return GetKeyState(key);
}

// The layout is the one of the window that will receive the keys, so that a character above
// 127 finds its key on the user's keyboard (an e-acute on a French layout) or none at all.
std::int16_t KeyForCharacter(char c) {
    const std::wstring wide = Wide(std::string_view(&c, 1));
    if (wide.size() != 1) return -1;
    const HKL layout = GetKeyboardLayout(ForegroundThread());
    return VkKeyScanExW(wide[0], layout);
}

INPUT KeyInput(std::uint8_t key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = 0;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.ki.dwExtraInfo = kOwnInput;
    return input;
}

INPUT MouseButtonInput(MouseButton button, bool up) {
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
    input.mi.dwExtraInfo = kOwnInput;
    return input;
}

std::vector<INPUT> InputsOfRun(std::span<const InputEvent> events) {
    std::vector<INPUT> inputs;
    inputs.reserve(events.size() * 2);
    for (const InputEvent& e : events) {
        if (e.kind == InputEvent::Kind::Key) {
            inputs.push_back(KeyInput(e.key, e.up));
            continue;
        }
        const std::wstring wide = Wide(std::string_view(&e.ch, 1));
        if (wide.size() != 1) continue;
        inputs.push_back(UnicodeInput(wide[0], false));
        inputs.push_back(UnicodeInput(wide[0], true));
    }
    return inputs;
}

void SendInputs(std::span<INPUT> inputs) {
    if (inputs.empty()) return;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
