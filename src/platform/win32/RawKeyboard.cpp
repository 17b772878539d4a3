#include "platform/win32/RawKeyboard.h"

#include "platform/keys.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/WideText.h"

#include <initializer_list>

namespace {

constexpr const wchar_t* kKeyboardClass = L"QuibnoteKeyboard";
// Raw Input's usage of a keyboard on the generic desktop page.
constexpr USHORT kGenericDesktop = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;
// ToUnicodeEx leaves the keyboard state alone, so a dead key the user pressed still acts on
// the application's next character.
constexpr UINT kKeepKeyboardState = 0x4;
// A reading takes the waiting raw input itself at most this often; the event step, which runs
// after nearly every reading, takes it otherwise. Each look costs a call into the system.
constexpr double kDrainEvery = 0.0005;

double Seconds(const RawKeyboard& k) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(k.frequency.QuadPart);
}

bool IsMouseButton(std::uint8_t key) {
    constexpr std::uint8_t kSideButtons[] = {0x05, 0x06};
    return key == vk::LButton || key == vk::RButton || key == vk::MButton ||
           key == kSideButtons[0] || key == kSideButtons[1];
}

// What the layout of the window the user types in gives the key, with the modifiers the user
// holds at this press; 0 for nothing, a dead key or a character without a Windows-1252 byte.
char LayoutChar(const KeyQueue& q, std::uint8_t key, unsigned makeCode) {
    BYTE state[256] = {};
    for (std::uint8_t m : {vk::Shift, vk::LShift, vk::RShift, vk::Control, vk::LControl,
                           vk::RControl, vk::Menu, vk::LMenu, vk::RMenu})
        if (q.held[m]) state[m] = 0x80;
    if (GetKeyState(vk::Capital) & 1) state[vk::Capital] = 1;
    const HWND foreground = GetForegroundWindow();
    const HKL layout =
        GetKeyboardLayout(foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0);
    wchar_t out[8] = {};
    if (ToUnicodeEx(key, makeCode, state, out, 8, kKeepKeyboardState, layout) != 1) return 0;
    const std::string c = Narrow(std::wstring_view(out, 1));
    if (c.size() != 1 || (c[0] == '?' && out[0] != L'?')) return 0;
    return c[0];
}

void TakeRawInput(RawKeyboard& k, HRAWINPUT handle) {
    RAWINPUT raw{};
    UINT size = sizeof raw;
    if (GetRawInputData(handle, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER)) ==
            static_cast<UINT>(-1) ||
        raw.header.dwType != RIM_TYPEKEYBOARD)
        return;
    const RAWKEYBOARD& event = raw.data.keyboard;
    // The program's own events moved the state when they were sent.
    if (event.ExtraInformation == kOwnInput) return;
    const std::uint8_t key =
        KeyOfRawEvent(event.VKey, event.MakeCode, (event.Flags & RI_KEY_E0) != 0);
    if (key == 0) return;
    const bool up = (event.Flags & RI_KEY_BREAK) != 0;
    QueueUserKey(k.queue, {key, up, up ? '\0' : LayoutChar(k.queue, key, event.MakeCode)});
}

LRESULT CALLBACK KeyboardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT) {
        if (auto* k = reinterpret_cast<RawKeyboard*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            TakeRawInput(*k, reinterpret_cast<HRAWINPUT>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void DrainRawInput(RawKeyboard& k, double now) {
    MSG msg;
    while (PeekMessageW(&msg, k.window, WM_INPUT, WM_INPUT, PM_REMOVE)) DispatchMessageW(&msg);
    k.lastDrain = now;
}

// Keys already held when the program starts read down, not pressed.
void ReadHeldKeys(KeyQueue& q) {
    for (int key = 0x08; key < 0xFF; ++key) {
        const auto k = static_cast<std::uint8_t>(key);
        if (k == vk::Shift || k == vk::Control || k == vk::Menu) continue;
        if ((GetAsyncKeyState(k) & 0x8000) == 0) continue;
        HoldAtStart(q, k);
    }
}

} // namespace

void OpenRawKeyboard(RawKeyboard& k) {
    QueryPerformanceFrequency(&k.frequency);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = KeyboardProc;
    wc.hInstance = instance;
    wc.lpszClassName = kKeyboardClass;
    RegisterClassExW(&wc);
    // A hidden top-level window, never shown: Wine gives a message-only window no input it does
    // not have the focus for.
    k.window =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kKeyboardClass, L"Quibnote keyboard",
                        WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!k.window) return;
    SetWindowLongPtrW(k.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&k));
    const RAWINPUTDEVICE device{kGenericDesktop, kKeyboardUsage, RIDEV_INPUTSINK, k.window};
    k.registered = RegisterRawInputDevices(&device, 1, sizeof device) != FALSE;
    if (k.registered) ReadHeldKeys(k.queue);
}

void CloseRawKeyboard(RawKeyboard& k) {
    if (k.registered) {
        const RAWINPUTDEVICE device{kGenericDesktop, kKeyboardUsage, RIDEV_REMOVE, nullptr};
        RegisterRawInputDevices(&device, 1, sizeof device);
    }
    if (k.window) DestroyWindow(k.window);
    k.window = nullptr;
    k.registered = false;
}

void NoteMessagesRun(RawKeyboard& k) {
    if (k.registered) k.lastDrain = Seconds(k);
}

void NoteLoopHead(RawKeyboard& k) {
    EndPass(k.queue);
}

std::int16_t ReadKeyAsync(RawKeyboard& k, std::uint8_t key, bool ownInputSent) {
    if (!k.registered || IsMouseButton(key)) return GetAsyncKeyState(key);
    const double now = Seconds(k);
    if (now - k.lastDrain >= kDrainEvery) DrainRawInput(k, now);
    ServeKeys(k.queue, now);
    if (ownInputSent && SystemMayReleaseKey(k.queue, key, now) &&
        (GetAsyncKeyState(key) & 0x8000) == 0)
        ForgetHeldKey(k.queue, key);
    return ReadAsyncKey(k.queue, key);
}

char ReadPressedChar(const RawKeyboard& k, std::uint8_t key) {
    return ReportedChar(k.queue, key);
}

void NoteOwnKey(RawKeyboard& k, std::uint8_t key, bool up) {
    ApplyOwnKey(k.queue, key, up);
}
