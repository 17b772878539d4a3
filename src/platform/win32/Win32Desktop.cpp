#include "platform/win32/Win32Desktop.h"

#include "platform/win32/Clipboard.h"
#include "platform/win32/Dialogs.h"
#include "platform/win32/Files.h"
#include "platform/win32/FormWindows.h"
#include "platform/win32/Keyboard.h"
#include "platform/win32/Login.h"
#include "platform/win32/WideText.h"

#include <cmath>
#include <commctrl.h>

namespace {

constexpr const wchar_t* kInstanceMutex = L"Local\\Quibnote.Running";

HWND AsWindow(WindowId w) {
    return reinterpret_cast<HWND>(w);
}

WindowId AsId(HWND w) {
    return reinterpret_cast<WindowId>(w);
}

int TwipsPerPixel(int dpi) {
    return (1440 + dpi / 2) / dpi;
}

// The help page ships as HTML; a request for the compiled help file of the same name opens it.
std::string HelpPage(std::string_view path) {
    std::string page(path);
    if (IsExistingFile(page)) return page;
    const std::size_t dot = page.rfind('.');
    if (dot == std::string::npos) return page;
    std::string extension = page.substr(dot);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (extension != ".chm") return page;
    return page.substr(0, dot) + ".html";
}

} // namespace

Win32Desktop::Win32Desktop() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterFormClass();
    state_.clipboardOwner =
        CreateWindowExW(0, L"STATIC", L"Quibnote clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    if (const HDC screen = GetDC(nullptr)) {
        state_.dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        state_.dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    QueryPerformanceFrequency(&state_.clockFrequency);
    OpenRawKeyboard(state_.keyboard);
}

Win32Desktop::~Win32Desktop() {
    StopSender(state_.sender);
    CloseRawKeyboard(state_.keyboard);
    DestroyFormViews(state_);
    ReleaseWindowPixels(state_.pixels);
    for (auto& [colour, brush] : state_.brushes) DeleteObject(brush);
    for (auto& [points, font] : state_.fonts) DeleteObject(font);
    if (state_.clipboardOwner) DestroyWindow(state_.clipboardOwner);
    if (state_.instanceMutex) CloseHandle(state_.instanceMutex);
}

std::int16_t Win32Desktop::getAsyncKeyState(std::uint8_t key) {
    return ReadKeyAsync(state_.keyboard, key, !SenderBusy(state_.sender));
}

std::int16_t Win32Desktop::getKeyState(std::uint8_t key) {
    return CurrentKeyState(key);
}

void Win32Desktop::keyEvent(std::uint8_t key, bool up) {
    NoteOwnKey(state_.keyboard, key, up);
    SendOrQueue(state_.sender, {KeyInput(key, up)});
}

std::int16_t Win32Desktop::keyForChar(char c) {
    return KeyForCharacter(c);
}

void Win32Desktop::sendInput(std::span<const InputEvent> events) {
    for (const InputEvent& e : events)
        if (e.kind == InputEvent::Kind::Key) NoteOwnKey(state_.keyboard, e.key, e.up);
    SendOrQueue(state_.sender, InputsOfRun(events));
}

void Win32Desktop::setSyntheticKeyGap(unsigned ms) {
    SetSenderGap(state_.sender, ms);
}

char Win32Desktop::pressedChar(std::uint8_t key) {
    return ReadPressedChar(state_.keyboard, key);
}

void Win32Desktop::mouseButton(MouseButton button, bool up) {
    SendOrQueue(state_.sender, {MouseButtonInput(button, up)});
}

PixelPoint Win32Desktop::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Desktop::setCursorPos(PixelPoint p) {
    MoveCursorOrQueue(state_.sender, {p.x, p.y});
}

WindowId Win32Desktop::foregroundWindow() {
    return AsId(GetForegroundWindow());
}

bool Win32Desktop::setForegroundWindow(WindowId w) {
    return BringToForeground(AsWindow(w));
}

WindowId Win32Desktop::windowFromPoint(PixelPoint p) {
    return AsId(WindowFromPoint({p.x, p.y}));
}

std::optional<PixelRect> Win32Desktop::windowRect(WindowId w) {
    return RectOfWindow(AsWindow(w));
}

std::optional<std::uint32_t> Win32Desktop::windowPixel(WindowId w, PixelPoint p) {
    return ReadWindowPixel(state_.pixels, AsWindow(w), p);
}

bool Win32Desktop::activateWindowByTitle(std::string_view title) {
    return ActivateByTitle(title);
}

std::string Win32Desktop::windowProgram(WindowId w) {
    return ProgramOfWindow(AsWindow(w));
}

bool Win32Desktop::startProgram(std::string_view path) {
    return OpenWithShell(path);
}

int Win32Desktop::screenWidthPixels() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Desktop::screenHeightPixels() {
    return GetSystemMetrics(SM_CYSCREEN);
}

int Win32Desktop::twipsPerPixelX() {
    return TwipsPerPixel(state_.dpiX);
}

int Win32Desktop::twipsPerPixelY() {
    return TwipsPerPixel(state_.dpiY);
}

void Win32Desktop::sleepMs(unsigned ms) {
    Sleep(ms);
}

// Steps of 1/64 s, as the Windows time of day advances: a wait for the clock's next step then
// lasts one step, whatever the resolution of the counter underneath.
double Win32Desktop::clockSeconds() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const double seconds =
        static_cast<double>(now.QuadPart) / static_cast<double>(state_.clockFrequency.QuadPart);
    return std::floor(seconds * 64.0) / 64.0;
}

LocalTime Win32Desktop::localTime() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek};
}

std::optional<std::string> Win32Desktop::clipboardText() {
    return ReadClipboardText(state_.clipboardOwner);
}

bool Win32Desktop::clearClipboard() {
    return EmptyClipboardText(state_.clipboardOwner);
}

bool Win32Desktop::setClipboardText(std::string_view text) {
    return WriteClipboardText(state_.clipboardOwner, text);
}

void Win32Desktop::attachForms(std::span<Form* const> forms) {
    AttachFormViews(state_, forms);
}

void Win32Desktop::setActionHandler(std::function<void(const UserAction&)> handler) {
    state_.handler = std::move(handler);
}

void Win32Desktop::showForm(Form& form, bool activate) {
    ShowFormWindow(state_, form, activate);
}

void Win32Desktop::hideForm(Form& form) {
    HideFormWindow(state_, form);
}

std::optional<std::size_t> Win32Desktop::textIndexAt(const Form& form, std::string_view control,
                                                     int x, int y) {
    return TextIndexAt(state_, form, control, x, y);
}

int Win32Desktop::doEvents(EventSite site) {
    // Each look at the message queue is a call to the Wine server under Wine, which a loaded
    // machine makes slow, and every one of a pass's thirty-odd key readings ends with an event
    // step: inside a pass the messages run at most once a millisecond.
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    if (site == EventSite::Nested &&
        now.QuadPart - state_.lastEventStep < state_.clockFrequency.QuadPart / 1000)
        return OpenFormCount(state_);
    state_.lastEventStep = now.QuadPart;
    const int open = RunPendingEvents(state_, site);
    NoteMessagesRun(state_.keyboard);
    if (site == EventSite::LoopHead) NoteLoopHead(state_.keyboard);
    return open;
}

MsgAnswer Win32Desktop::messageBox(std::string_view text, std::string_view title,
                                   MsgButtons buttons, MsgIcon icon) {
    return ShowMessageBox(text, title, buttons, icon);
}

std::optional<std::string> Win32Desktop::inputBox(std::string_view prompt, std::string_view title,
                                                  std::string_view initial) {
    return ShowInputBox(prompt, title, initial);
}

std::optional<std::string> Win32Desktop::openFileDialog(std::string_view title,
                                                        std::string_view pattern) {
    return ShowFileDialog(title, pattern, false);
}

std::optional<std::string> Win32Desktop::saveFileDialog(std::string_view title,
                                                        std::string_view pattern) {
    return ShowFileDialog(title, pattern, true);
}

void Win32Desktop::beep() {
    MessageBeep(MB_OK);
}

bool Win32Desktop::showHelp(std::string_view path) {
    return OpenWithShell(HelpPage(path));
}

std::string Win32Desktop::programFolder() {
    return ExecutableFolder();
}

std::optional<std::string> Win32Desktop::readFile(std::string_view path) {
    return ReadFileWhole(path);
}

FileStatus Win32Desktop::writeFile(std::string_view path, std::string_view data) {
    return WriteFileReplacing(path, data);
}

FileStatus Win32Desktop::copyFile(std::string_view from, std::string_view to) {
    return CopyFileReplacing(from, to);
}

bool Win32Desktop::fileExists(std::string_view path) {
    return IsExistingFile(path);
}

// The mutex lives as long as this run, so a second start finds it; "Local" keeps other users'
// sessions on the same machine free to run their own copy.
bool Win32Desktop::otherInstanceRunning() {
    if (!state_.instanceMutex) {
        state_.instanceMutex = CreateMutexW(nullptr, FALSE, kInstanceMutex);
        state_.otherInstance = GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return state_.otherInstance;
}

// By its window, never by keys: keys would go to whatever window is in front.
bool Win32Desktop::bringRunningInstanceForward() {
    const HWND main = FindRunningMainWindow();
    if (!main) return false;
    if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
    return BringToForeground(main);
}

FileStatus Win32Desktop::setStartAtLogin(bool on) {
    return SetStartupShortcut(on);
}
