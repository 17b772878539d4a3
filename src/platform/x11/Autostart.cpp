#include "platform/x11/Autostart.h"

#include "platform/FileOps.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string AutostartEntryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/autostart/quibnote.desktop";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::string(home) + "/.config/autostart/quibnote.desktop";
}

// Exec takes a quoted argument, inside which " ` $ and \ are escaped, and the value as a whole
// escapes \ once more; % introduces a field code.
std::string AutostartEntry(const std::string& executable) {
    std::string quoted = "\"";
    for (const char c : executable) {
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '\\') quoted += "\\\\\\";
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quibnote\n"
           "Comment=Abbreviation expander\n"
           "Exec=" +
           quoted +
           "\n"
           "Icon=quibnote\n"
           "Terminal=false\n";
}

FileStatus SetAutostartEntry(bool on) {
    const std::string path = AutostartEntryPath();
    if (path.empty()) return {false, "Neither XDG_CONFIG_HOME nor HOME is set."};
    std::error_code ec;
    if (!on) {
        fs::remove(path, ec);
        if (ec) return {false, "Cannot delete " + path + ": " + ec.message()};
        return {};
    }
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {false, "Cannot find the program's own path: " + ec.message()};
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (ec)
        return {false,
                "Cannot create " + fs::path(path).parent_path().string() + ": " + ec.message()};
    return WriteFileAtomically(path, AutostartEntry(executable.string()));
}
