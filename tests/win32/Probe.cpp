// qn-probe: runs single operations of the Windows backend against the real desktop for the
// end-to-end test.
//
//   qn-probe type WINDOW TEXT   activates WINDOW, puts "kept safe" on the clipboard and types
//                               TEXT (UTF-8) with the key-script interpreter, then prints the
//                               clipboard it finds afterwards
//   qn-probe send WINDOW TEXT   activates WINDOW and sends TEXT (UTF-8) as one run of synthetic
//                               input: a letter, digit or space as its key (with Shift for a
//                               capital), any other character as itself
//   qn-probe program WINDOW     prints the program of the window with that title
//   qn-probe keys SECONDS       prints each letter and space it reads pressed, while SECONDS
//                               pass, by the asynchronous key state the program polls
//   qn-probe close WINDOW       asks the window with that title to close, as its close box does
//   qn-probe activate WINDOW    brings the window with that title to the foreground
//   qn-probe set-clipboard TEXT puts TEXT (UTF-8) on the clipboard
//   qn-probe clipboard          prints the clipboard's text
//   qn-probe where WINDOW TEXT  prints the screen position of the middle of the control showing
//                               TEXT in the window with that title, for a mouse click there
//   qn-probe where-text WINDOW TEXT  prints the screen position of TEXT's first row inside the
//                               window's text box, as the box wraps its lines
//   qn-probe text WINDOW        prints the text (UTF-8) of the window's text box

#include "keyout/KeyOutState.h"
#include "keyout/KeyScript.h"
#include "platform/keys.h"
#include "platform/text.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Desktop.h"

#include <cstdio>
#include <shellapi.h>
#include <string>
#include <vector>

namespace {

std::string Utf8(std::wstring_view wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

int PrintClipboard(Win32Desktop& desktop) {
    const std::optional<std::string> clip = desktop.clipboardText();
    std::printf("clipboard: %s\n", clip ? Utf8(Wide(*clip)).c_str() : "(none)");
    return 0;
}

int TypeInto(const std::wstring& window, const std::wstring& text) {
    Win32Desktop desktop;
    if (!desktop.activateWindowByTitle(Narrow(window))) {
        std::printf("no window %s\n", Utf8(window).c_str());
        return 1;
    }
    desktop.setClipboardText("kept safe");
    KeyOutState state;
    TypeKeyScript(desktop, state, Narrow(text));
    return PrintClipboard(desktop);
}

void Tap(std::vector<InputEvent>& run, std::uint8_t key) {
    run.push_back({InputEvent::Kind::Key, key, false, 0});
    run.push_back({InputEvent::Kind::Key, key, true, 0});
}

int SendRun(const std::wstring& window, const std::wstring& text) {
    Win32Desktop desktop;
    if (!desktop.activateWindowByTitle(Narrow(window))) {
        std::printf("no window %s\n", Utf8(window).c_str());
        return 1;
    }
    std::vector<InputEvent> run;
    for (const char c : Narrow(text)) {
        if (c >= 'a' && c <= 'z') {
            Tap(run, static_cast<std::uint8_t>(c - 'a' + 'A'));
        } else if ((c >= '0' && c <= '9') || c == ' ') {
            Tap(run, static_cast<std::uint8_t>(c));
        } else if (c >= 'A' && c <= 'Z') {
            run.push_back({InputEvent::Kind::Key, vk::Shift, false, 0});
            Tap(run, static_cast<std::uint8_t>(c));
            run.push_back({InputEvent::Kind::Key, vk::Shift, true, 0});
        } else {
            run.push_back({InputEvent::Kind::Char, 0, false, c});
        }
    }
    desktop.sendInput(run);
    return 0;
}

int PrintProgram(const std::wstring& window) {
    const HWND w = FindWindowW(nullptr, window.c_str());
    if (!w) return 1;
    std::printf("program: %s\n",
                Win32Desktop().windowProgram(reinterpret_cast<WindowId>(w)).c_str());
    return 0;
}

int WatchKeys(int seconds) {
    Win32Desktop desktop;
    const double end = desktop.clockSeconds() + seconds;
    std::string seen;
    while (desktop.clockSeconds() < end) {
        for (std::uint8_t key = vk::KeyA; key <= vk::KeyZ; ++key)
            if (desktop.getAsyncKeyState(key) != 0) seen += static_cast<char>(key);
        if (desktop.getAsyncKeyState(vk::Space) != 0) seen += ' ';
        desktop.doEvents(EventSite::LoopHead);
        desktop.sleepMs(1);
    }
    std::printf("keys: %s\n", seen.c_str());
    return 0;
}

int Close(const std::wstring& title) {
    const HWND window = FindWindowW(nullptr, title.c_str());
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}

struct ChildSearch {
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    if (search.text != text || !IsWindowVisible(child)) return TRUE;
    search.found = child;
    return FALSE;
}

int Where(const std::wstring& window, const std::wstring& text) {
    const HWND parent = FindWindowW(nullptr, window.c_str());
    if (!parent) return 1;
    ChildSearch search{text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    RECT r;
    if (!search.found || !GetWindowRect(search.found, &r)) return 1;
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
}

// A text box's text. GetWindowText answers another process's control with the window's title
// alone, empty for an edit control; WM_GETTEXT asks the control itself.
std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

BOOL CALLBACK MatchEditHolding(HWND child, LPARAM param) {
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (lstrcmpiW(kind, L"Edit") != 0 || !IsWindowVisible(child)) return TRUE;
    if (ControlText(child).find(search.text) == std::wstring::npos) return TRUE;
    search.found = child;
    return FALSE;
}

// A point in the middle of the first row of TEXT's first character in the window's text box, as
// the box lays the text out (its own wrapping).
int WhereInText(const std::wstring& window, const std::wstring& text) {
    const HWND parent = FindWindowW(nullptr, window.c_str());
    if (!parent) return 1;
    ChildSearch search{text, nullptr};
    EnumChildWindows(parent, MatchEditHolding, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    const std::size_t at = ControlText(search.found).find(text);
    const LRESULT pos = SendMessageW(search.found, EM_POSFROMCHAR, at, 0);
    if (pos == -1) return 1;
    POINT p{static_cast<short>(LOWORD(pos)) + 8, static_cast<short>(HIWORD(pos)) + 5};
    ClientToScreen(search.found, &p);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
}

int PrintText(const std::wstring& window) {
    const HWND parent = FindWindowW(nullptr, window.c_str());
    if (!parent) return 1;
    ChildSearch search{L"", nullptr};
    EnumChildWindows(parent, MatchEditHolding, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    std::printf("%s", Utf8(ControlText(search.found)).c_str());
    return 0;
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return 2;
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    LocalFree(argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (args.size() == 3 && args[0] == L"type") return TypeInto(args[1], args[2]);
    if (args.size() == 3 && args[0] == L"send") return SendRun(args[1], args[2]);
    if (args.size() == 2 && args[0] == L"program") return PrintProgram(args[1]);
    if (args.size() == 2 && args[0] == L"keys") return WatchKeys(_wtoi(args[1].c_str()));
    if (args.size() == 2 && args[0] == L"close") return Close(args[1]);
    if (args.size() == 2 && args[0] == L"activate")
        return Win32Desktop().activateWindowByTitle(Narrow(args[1])) ? 0 : 1;
    if (args.size() == 2 && args[0] == L"set-clipboard")
        return Win32Desktop().setClipboardText(Narrow(args[1])) ? 0 : 1;
    if (args.size() == 1 && args[0] == L"clipboard") {
        Win32Desktop desktop;
        return PrintClipboard(desktop);
    }
    if (args.size() == 3 && args[0] == L"where") return Where(args[1], args[2]);
    if (args.size() == 3 && args[0] == L"where-text") return WhereInText(args[1], args[2]);
    if (args.size() == 2 && args[0] == L"text") return PrintText(args[1]);
    std::fputs("usage: qn-probe type WINDOW TEXT | send WINDOW TEXT | program WINDOW"
               " | keys SECONDS | close WINDOW | activate WINDOW"
               " | set-clipboard TEXT | clipboard | where WINDOW TEXT | where-text WINDOW TEXT"
               " | text WINDOW\n",
               stderr);
    return 2;
}
