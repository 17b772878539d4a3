// qn-test-editor OUTFILE [KEYLOG]: a plain Windows text editor for the end-to-end test. It takes
// the focus when it starts, and after every change writes its whole text to OUTFILE as UTF-8, so
// the test reads what the program typed into it without asking the window (once the keys
// waiting have been handled: a file written after every key would slow them down). With KEYLOG it
// also appends, for the latency measurement (latency.sh), a line for every key that goes down in
// it, "MICROSECONDS key VK OWN" (OWN 1 for the program's own synthetic keys), and for every change,
// "MICROSECONDS text LENGTH".

#include "platform/win32/Keyboard.h"
#include "platform/win32/WinApi.h"

#include <cstdio>
#include <shellapi.h>
#include <string>

namespace {

constexpr int kEditId = 1;

struct Editor {
    std::wstring outFile;
    HWND edit = nullptr;
    FILE* keyLog = nullptr;
    LARGE_INTEGER frequency{};
    bool unsaved = false;
};

// One line of the key log, stamped with the performance counter and written at once.
template <typename... Args> void Log(const Editor& e, const char* format, Args... args) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    std::fprintf(e.keyLog, "%lld ", now.QuadPart * 1000000 / e.frequency.QuadPart);
    std::fprintf(e.keyLog, format, args...);
    std::fputc('\n', e.keyLog);
    std::fflush(e.keyLog);
}

// Replaces OUTFILE in one step, so the test never reads half a text.
void SaveText(const Editor& e) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(e.edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(e.edit, text.data(), static_cast<int>(text.size()))));
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    const std::wstring temp = e.outFile + L".new";
    const HANDLE file =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(temp.c_str(), e.outFile.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* e = reinterpret_cast<Editor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_SIZE:
        if (e && e->edit) MoveWindow(e->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (e && e->edit) SetFocus(e->edit);
        return 0;
    case WM_COMMAND:
        if (e && LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE) {
            if (e->keyLog) Log(*e, "text %d", GetWindowTextLengthW(e->edit));
            e->unsaved = true;
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2 || argc > 3) return 2;
    Editor e{argv[1], nullptr, argc == 3 ? _wfopen(argv[2], L"ab") : nullptr, {}, false};
    LocalFree(argv);
    QueryPerformanceFrequency(&e.frequency);

    WNDCLASSW wc{};
    wc.lpfnWndProc = EditorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"QuibnoteTestEditor";
    RegisterClassW(&wc);
    const HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"Quibnote Test Editor", WS_OVERLAPPEDWINDOW, 20, 40,
                        760, 560, nullptr, nullptr, instance, &e);
    e.edit = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 0,
        0, window, reinterpret_cast<HMENU>(kEditId), instance, nullptr);
    SendMessageW(e.edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    RECT client;
    GetClientRect(window, &client);
    MoveWindow(e.edit, 0, 0, client.right, client.bottom, TRUE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(e.edit);
    SaveText(e);

    MSG msg;
    for (;;) {
        if (e.unsaved && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            SaveText(e);
            e.unsaved = false;
        }
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        if (e.keyLog && msg.message == WM_KEYDOWN)
            Log(e, "key %u %d %lu", static_cast<unsigned>(msg.wParam),
                GetMessageExtraInfo() == static_cast<LPARAM>(kOwnInput) ? 1 : 0, msg.time);
        // Ctrl+A selects the whole text, as in any editor.
        if (msg.message == WM_KEYDOWN && msg.wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000)) {
            SendMessageW(e.edit, EM_SETSEL, 0, -1);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
