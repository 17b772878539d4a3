#include "platform/x11/ProgramFolder.h"

#include "platform/FileOps.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string DefaultProgramFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return (fs::path(data) / "quibnote").string();
    const char* home = std::getenv("HOME");
    if (home && *home) return (fs::path(home) / ".local" / "share" / "quibnote").string();
    return {};
}

std::string ShippedDataFolder(const std::string& buildTimeFolder) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path installed = exe.parent_path().parent_path() / "share" / "quibnote";
        if (fs::is_regular_file(installed / "QNhForms.dta", ec)) return installed.string();
    }
    return buildTimeFolder;
}

std::string FillProgramFolder(const std::string& folder, const std::string& shipped) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "Cannot create " + folder + ": " + ec.message();
    // The Linux variants of shipped files (data/linux in the source tree) come first.
    for (const fs::path& source : {fs::path(shipped) / "linux", fs::path(shipped)}) {
        if (!fs::is_directory(source, ec)) continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(source, ec)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() ||
                (ext != ".dta" && ext != ".txt" && ext != ".clt" && ext != ".html"))
                continue;
            const fs::path target = fs::path(folder) / entry.path().filename();
            if (fs::exists(target, ec)) continue;
            const FileStatus copied = CopyFileAtomically(entry.path().string(), target.string());
            if (!copied.ok) return copied.error;
        }
        if (ec) return "Cannot read " + source.string() + ": " + ec.message();
    }
    return {};
}
