#include "store/DataFile.h"

#include "platform/Platform.h"

namespace {

bool IsFullPath(std::string_view name) {
    return name.starts_with('/') || (name.size() >= 3 && name.substr(1, 2) == ":\\");
}

} // namespace

std::string DataFilePath(Platform& platform, std::string_view name) {
    if (IsFullPath(name)) return std::string(name);
    std::string folder = platform.programFolder();
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder.append(name);
}

std::string FirstLineOfFile(Platform& platform, std::string_view name) {
    const std::optional<std::string> text = platform.readFile(DataFilePath(platform, name));
    if (!text) return std::string(FileErrorText);
    return text->substr(0, text->find_first_of("\r\n"));
}

std::string ReadWholeFile(Platform& platform, std::string_view name) {
    std::optional<std::string> text = platform.readFile(DataFilePath(platform, name));
    if (!text) return std::string(FileNotFoundText);
    return std::move(*text);
}
