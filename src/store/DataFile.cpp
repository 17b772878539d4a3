#include "store/DataFile.h"

#include "platform/Files.h"

namespace {

bool IsFullPath(std::string_view name) {
    return name.starts_with('/') || (name.size() >= 3 && name.substr(1, 2) == ":\\");
}

} // namespace

std::string DataFilePath(Files& files, std::string_view name) {
    if (IsFullPath(name)) return std::string(name);
    std::string folder = files.programFolder();
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder.append(name);
}

std::string ReadWholeFile(Files& files, std::string_view name) {
    std::optional<std::string> text = files.readFile(DataFilePath(files, name));
    if (!text) return std::string(FileNotFoundText);
    return std::move(*text);
}
