#include "platform/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#elif __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

FileStatus Failure(std::string_view path, std::string_view what, int error) {
    return {false, std::string(what) + " " + std::string(path) + ": " + std::strerror(error)};
}

bool FlushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
    if (::_commit(_fileno(f)) != 0) return false;
#elif __has_include(<unistd.h>)
    if (::fsync(fileno(f)) != 0) return false;
#endif
    return true;
}

} // namespace

std::optional<std::string> ReadWholeFile(std::string_view path) {
    std::ifstream in{fs::path(path), std::ios::binary};
    if (!in) return std::nullopt;
    std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return data;
}

FileStatus WriteFileAtomically(std::string_view path, std::string_view data) {
    const std::string target(path);
    // The rename below would replace a read-only file, and the new file would be writable: the
    // user's protection would be gone without a word.
    std::error_code statusError;
    const fs::file_status status = fs::status(fs::path(target), statusError);
    if (!statusError && fs::is_regular_file(status) &&
        (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return {false, fs::path(target).filename().string() +
                           " is read-only: it was not replaced. Remove its protection to save."};
    const std::string temp = target + ".new";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return Failure(path, "Cannot create", errno);
    const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    int error = errno;
    const bool flushed = written && FlushToDisk(f);
    if (written && !flushed) error = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temp.c_str());
        return Failure(path, "Cannot write", error);
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        return {false, "Cannot replace " + target + ": " + ec.message()};
    }
    return {};
}

FileStatus CopyFileAtomically(std::string_view from, std::string_view to) {
    std::optional<std::string> data = ReadWholeFile(from);
    if (!data) return Failure(from, "Cannot read", errno ? errno : ENOENT);
    return WriteFileAtomically(to, *data);
}

bool FileExists(std::string_view path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}
