#include "platform/win32/Login.h"

#include "platform/win32/WideText.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>

namespace {

constexpr const wchar_t* kMainWindowMark = L"Quibnote.MainWindow";
constexpr const wchar_t* kShortcutName = L"\\Quibnote.lnk";

std::wstring StartupFolder() {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
}

FileStatus Failure(const std::string& what, HRESULT result) {
    return {false, what + ": " + ErrorText(static_cast<DWORD>(result))};
}

// The shortcut is saved beside its place and then moved over it, as every file is written.
FileStatus SaveShortcut(const std::wstring& target) {
    const std::wstring exe = ExecutablePath();
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
    IShellLinkW* link = nullptr;
    HRESULT r = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link));
    if (FAILED(r)) return Failure("Cannot make a shortcut", r);
    link->SetPath(exe.c_str());
    link->SetWorkingDirectory(folder.c_str());
    link->SetDescription(L"Quibnote");
    IPersistFile* file = nullptr;
    r = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    const std::wstring temp = target + L".new";
    if (SUCCEEDED(r)) {
        r = file->Save(temp.c_str(), TRUE);
        file->Release();
    }
    link->Release();
    if (FAILED(r)) return Failure("Cannot write " + Narrow(temp), r);
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        return {false, "Cannot replace " + Narrow(target) + ": " + ErrorText(error)};
    }
    return {};
}

BOOL CALLBACK MatchMark(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || !GetPropW(window, kMainWindowMark)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

FileStatus SetStartupShortcut(bool on) {
    const std::wstring folder = StartupFolder();
    if (folder.empty()) return {false, "The Startup folder cannot be found."};
    const std::wstring target = folder + kShortcutName;
    if (!on) {
        if (DeleteFileW(target.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return {};
        return {false, "Cannot delete " + Narrow(target) + ": " + ErrorText(GetLastError())};
    }
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const FileStatus saved = SaveShortcut(target);
    if (SUCCEEDED(init)) CoUninitialize();
    return saved;
}

HWND FindRunningMainWindow() {
    HWND found = nullptr;
    EnumWindows(MatchMark, reinterpret_cast<LPARAM>(&found));
    return found;
}

void MarkMainWindow(HWND window) {
    SetPropW(window, kMainWindowMark, reinterpret_cast<HANDLE>(1));
}

void UnmarkMainWindow(HWND window) {
    RemovePropW(window, kMainWindowMark);
}
