#include "platform/win32/DesktopWindows.h"

#include "platform/win32/WideText.h"

#include <shellapi.h>
#include <string>

namespace {

struct TitleSearch {
    std::wstring title;
    bool prefix = false;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TitleSearch*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return TRUE;
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), length + 1)));
    const bool match = search.prefix ? title.starts_with(search.title) : title == search.title;
    if (!match) return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

std::string ProgramOfWindow(HWND window) {
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process == 0) return "";
    const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (!handle) return "";
    // The longest path the system has.
    std::wstring path(32767, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(handle, 0, path.data(), &size)) size = 0;
    CloseHandle(handle);
    path.resize(size);
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    if (name.empty()) return "";
    CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    if (name.ends_with(L".exe")) name.resize(name.size() - 4);
    return Narrow(name);
}

bool BringToForeground(HWND window) {
    if (!window || !IsWindow(window)) return false;
    if (const HWND root = GetAncestor(window, GA_ROOT)) window = root;
    if (GetForegroundWindow() == window) return true;
    if (SetForegroundWindow(window) && GetForegroundWindow() == window) return true;
    // Windows lets the thread that owns the foreground hand it on; sharing its input state for
    // the call makes this request one of its own.
    const HWND foreground = GetForegroundWindow();
    const DWORD owner = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    const bool attached = owner != 0 && owner != self && AttachThreadInput(self, owner, TRUE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    if (attached) AttachThreadInput(self, owner, FALSE);
    return GetForegroundWindow() == window;
}

std::optional<PixelRect> RectOfWindow(HWND window) {
    RECT r;
    if (!window || !GetWindowRect(window, &r)) return std::nullopt;
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

std::optional<std::uint32_t> ReadWindowPixel(WindowPixels& reader, HWND window, PixelPoint p) {
    if (!window || !IsWindow(window)) return std::nullopt;
    if (reader.window != window) {
        ReleaseWindowPixels(reader);
        reader.dc = GetWindowDC(window);
        if (!reader.dc) return std::nullopt;
        reader.window = window;
    }
    const COLORREF colour = GetPixel(reader.dc, p.x, p.y);
    if (colour == CLR_INVALID) return std::nullopt;
    return static_cast<std::uint32_t>(colour);
}

void ReleaseWindowPixels(WindowPixels& reader) {
    if (reader.dc) ReleaseDC(reader.window, reader.dc);
    reader = {};
}

bool ActivateByTitle(std::string_view title) {
    if (title.empty()) return false;
    TitleSearch search{Wide(title), false, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        search.prefix = true;
        EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.found) return false;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    return BringToForeground(search.found);
}

bool OpenWithShell(std::string_view path) {
    if (path.empty()) return false;
    const std::wstring wide = Wide(path);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
