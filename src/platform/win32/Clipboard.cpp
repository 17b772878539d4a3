#include "platform/win32/Clipboard.h"

#include "platform/win32/WideText.h"

#include <cstring>

namespace {

// Another program may hold the clipboard open for a moment (a clipboard viewer reading it just
// after a change); a short retry rides that out.
bool OpenWithRetry(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(5);
    }
    return false;
}

} // namespace

std::optional<std::string> ReadClipboardText(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    if (!OpenWithRetry(owner)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < limit && chars[length] != L'\0') ++length;
            text = Narrow(std::wstring_view(chars, length));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool EmptyClipboardText(HWND owner) {
    if (!OpenWithRetry(owner)) return false;
    const bool emptied = EmptyClipboard() != 0;
    CloseClipboard();
    return emptied;
}

bool WriteClipboardText(HWND owner, std::string_view text) {
    const std::wstring wide = Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!data) return false;
    void* target = GlobalLock(data);
    if (!target) {
        GlobalFree(data);
        return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(data);
    if (!OpenWithRetry(owner)) {
        GlobalFree(data);
        return false;
    }
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    if (!stored) GlobalFree(data);
    CloseClipboard();
    return stored;
}
