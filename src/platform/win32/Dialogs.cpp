#include "platform/win32/Dialogs.h"

#include "platform/win32/WideText.h"

#include <commdlg.h>
#include <cstdint>
#include <vector>

namespace {

constexpr int kPromptId = 100;
constexpr int kTextId = 101;

// A dialog template is a packed sequence of words that DialogBoxIndirect reads: the dialog,
// then each control aligned to four bytes.
struct TemplateWriter {
    std::vector<WORD> words;

    void word(unsigned value) { words.push_back(static_cast<WORD>(value)); }
    void dword(DWORD value) {
        word(value & 0xFFFF);
        word(value >> 16);
    }
    void text(std::wstring_view s) {
        for (wchar_t c : s) word(c);
        word(0);
    }
    void align() {
        if (words.size() % 2 != 0) word(0);
    }
    void item(DWORD style, unsigned x, unsigned y, unsigned cx, unsigned cy, unsigned id, WORD atom,
              std::wstring_view caption) {
        align();
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(0);
        for (unsigned v : {x, y, cx, cy}) word(v);
        word(id);
        word(0xFFFF);
        word(atom);
        text(caption);
        word(0);
    }
};

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

std::vector<WORD> InputBoxTemplate(std::wstring_view title) {
    TemplateWriter t;
    t.dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION |
            WS_SYSMENU);
    t.dword(WS_EX_TOPMOST);
    t.word(4);
    for (unsigned v : {0u, 0u, 240u, 84u}) t.word(v);
    t.word(0);
    t.word(0);
    t.text(title);
    t.word(8);
    t.text(L"MS Shell Dlg");
    t.item(SS_LEFT | SS_NOPREFIX, 6, 6, 172, 48, kPromptId, kStatic, L"");
    t.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 186, 6, 48, 14, IDOK, kButton, L"OK");
    t.item(BS_PUSHBUTTON | WS_TABSTOP, 186, 24, 48, 14, IDCANCEL, kButton, L"Cancel");
    t.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 62, 228, 14, kTextId, kEdit, L"");
    return t.words;
}

struct InputBoxData {
    std::wstring prompt;
    std::wstring initial;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& data = *reinterpret_cast<InputBoxData*>(lParam);
        SetDlgItemTextW(dialog, kPromptId, WithCrLf(data.prompt).c_str());
        SetDlgItemTextW(dialog, kTextId, data.initial.c_str());
        const HWND text = GetDlgItem(dialog, kTextId);
        SendMessageW(text, EM_SETSEL, 0, -1);
        SetFocus(text);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto& data = *reinterpret_cast<InputBoxData*>(GetWindowLongPtrW(dialog, DWLP_USER));
            const HWND text = GetDlgItem(dialog, kTextId);
            data.answer.assign(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
            data.answer.resize(static_cast<std::size_t>(
                GetWindowTextW(text, data.answer.data(), static_cast<int>(data.answer.size()))));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// "Lists|*.clt|All files|*.*" becomes the double-NUL-terminated filter that the file dialogs
// take; a bare pattern serves as its own description.
std::wstring Filter(std::string_view pattern) {
    std::wstring filter = Wide(pattern);
    if (filter.find(L'|') == std::wstring::npos) filter = filter + L"|" + filter;
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

// "clt" for a filter whose first pattern is "*.clt", so a name typed without one gets it.
std::wstring DefaultExtension(const std::wstring& filter) {
    const std::size_t pattern = filter.find(L'\0') + 1;
    if (filter.compare(pattern, 2, L"*.") != 0) return {};
    std::wstring extension = filter.substr(pattern + 2, filter.find(L'\0', pattern) - pattern - 2);
    if (extension.find_first_of(L"*?;") != std::wstring::npos) return {};
    return extension;
}

} // namespace

MsgAnswer ShowMessageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon) {
    UINT type = MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND;
    switch (buttons) {
    case MsgButtons::Ok:
        type |= MB_OK;
        break;
    case MsgButtons::YesNo:
        type |= MB_YESNO;
        break;
    case MsgButtons::YesNoCancel:
        type |= MB_YESNOCANCEL;
        break;
    }
    switch (icon) {
    case MsgIcon::None:
        break;
    case MsgIcon::Information:
        type |= MB_ICONINFORMATION;
        break;
    case MsgIcon::Question:
        type |= MB_ICONQUESTION;
        break;
    case MsgIcon::Exclamation:
        type |= MB_ICONEXCLAMATION;
        break;
    }
    switch (MessageBoxW(nullptr, WithCrLf(Wide(text)).c_str(), Wide(title).c_str(), type)) {
    case IDYES:
        return MsgAnswer::Yes;
    case IDNO:
        return MsgAnswer::No;
    case IDCANCEL:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

std::optional<std::string> ShowInputBox(std::string_view prompt, std::string_view title,
                                        std::string_view initial) {
    const std::vector<WORD> dialog = InputBoxTemplate(Wide(title));
    InputBoxData data{Wide(prompt), Wide(initial), {}};
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()), nullptr,
        InputBoxProc, reinterpret_cast<LPARAM>(&data));
    if (result != IDOK) return std::nullopt;
    return Narrow(data.answer);
}

std::optional<std::string> ShowFileDialog(std::string_view title, std::string_view pattern,
                                          bool save) {
    const std::wstring filter = Filter(pattern);
    const std::wstring caption = Wide(title);
    const std::wstring extension = DefaultExtension(filter);
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = caption.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    file.resize(file.find(L'\0'));
    return ProgramPath(file);
}
