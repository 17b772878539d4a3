#include "platform/win32/Files.h"

#include "platform/win32/WideText.h"

namespace {

FileStatus Failure(std::string_view what, std::string_view path, DWORD error) {
    return {false, std::string(what) + " " + std::string(path) + ": " + ErrorText(error)};
}

// Closes the handle whatever happens on the way out of a file operation.
struct FileHandle {
    HANDLE handle;
    explicit FileHandle(HANDLE h) : handle(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// 0, or the error that stopped the data from reaching the disk.
DWORD WriteAndFlush(HANDLE file, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD put = 0;
        const auto want = static_cast<DWORD>(data.size() - done);
        if (!WriteFile(file, data.data() + done, want, &put, nullptr)) return GetLastError();
        if (put == 0) return ERROR_WRITE_FAULT;
        done += put;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

} // namespace

std::string ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.erase(path.find_last_of(L"\\/") + 1);
    return ProgramPath(path);
}

std::optional<std::string> ReadFileWhole(std::string_view path) {
    const std::wstring wide = Wide(path);
    FileHandle file{CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD got = 0;
        const auto want = static_cast<DWORD>(data.size() - done);
        if (!ReadFile(file.handle, data.data() + done, want, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        done += got;
    }
    data.resize(done);
    return data;
}

FileStatus WriteFileReplacing(std::string_view path, std::string_view data) {
    const std::wstring target = Wide(path);
    const std::wstring temp = target + L".new";
    DWORD error = 0;
    {
        FileHandle file{CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.handle == INVALID_HANDLE_VALUE)
            return Failure("Cannot create", path, GetLastError());
        error = WriteAndFlush(file.handle, data);
    }
    if (error != 0) {
        DeleteFileW(temp.c_str());
        return Failure("Cannot write", path, error);
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temp.c_str());
        return Failure("Cannot replace", path, error);
    }
    return {};
}

FileStatus CopyFileReplacing(std::string_view from, std::string_view to) {
    const std::optional<std::string> data = ReadFileWhole(from);
    if (!data) return Failure("Cannot read", from, GetLastError());
    return WriteFileReplacing(to, *data);
}

bool IsExistingFile(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
