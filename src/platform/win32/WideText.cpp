#include "platform/win32/WideText.h"

#include "platform/text.h"

std::wstring Wide(std::string_view cp1252) {
    const std::u16string u16 = Utf16FromCp1252(cp1252);
    return {u16.begin(), u16.end()};
}

std::string Narrow(std::wstring_view wide) {
    return Cp1252FromUtf16(std::u16string(wide.begin(), wide.end()));
}

std::string ProgramPath(const std::wstring& wide) {
    std::string narrow = Narrow(wide);
    if (Wide(narrow) == wide) return narrow;
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) return narrow;
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return narrow;
    shortPath.resize(length);
    return Narrow(shortPath);
}

std::string ErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) return "error " + std::to_string(error);
    return Narrow(text);
}

std::wstring WithCrLf(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
        out += text[i];
    }
    return out;
}

std::size_t IndexWithoutAddedCr(std::string_view text, std::size_t shown) {
    std::size_t index = 0;
    for (std::size_t at = 0; index < text.size(); ++index, ++at) {
        if (text[index] == '\n' && (index == 0 || text[index - 1] != '\r')) ++at;
        if (at >= shown) break;
    }
    return index;
}
