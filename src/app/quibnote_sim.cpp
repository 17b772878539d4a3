// quibnote-sim [--folder DIR | --fixture DIR] [SCRIPT]: runs the program on the simulated
// desktop, in DIR, or in a fresh copy of DIR (--fixture) or of the shipped data (neither).

#include "app/SimDriver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::cerr << "usage: quibnote-sim [--folder DIR | --fixture DIR] [SCRIPT]\n";
    return 2;
}

// A fresh copy of the data, so a run never changes the files it started from.
// The folder is made under a random name that did not exist before (create_directory fails on
// an existing one), which works on every system, unlike mkdtemp.
std::string FreshCopy(const std::string& source) {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) return {};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / ("quibnote-sim-" + std::to_string(random()));
        if (!fs::create_directory(folder, ec)) {
            if (ec) return {};
            continue;
        }
        fs::copy(source, folder, fs::copy_options::recursive, ec);
        if (ec) return {};
        return folder.string();
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::string source = QUIBNOTE_DATA_DIR;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--folder" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--fixture" && i + 1 < argc)
            source = argv[++i];
        else if (!arg.empty() && arg[0] == '-' && arg != "-")
            return Usage();
        else if (scriptPath.empty())
            scriptPath = arg;
        else
            return Usage();
    }
    std::string script;
    if (scriptPath.empty() || scriptPath == "-") {
        script.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(scriptPath, std::ios::binary);
        if (!in) {
            std::cerr << "quibnote-sim: cannot read " << scriptPath << '\n';
            return 2;
        }
        script.assign(std::istreambuf_iterator<char>(in), {});
    }
    const bool temporary = folder.empty();
    if (temporary) {
        folder = FreshCopy(source);
        if (folder.empty()) {
            std::cerr << "quibnote-sim: cannot make a copy of the data folder\n";
            return 2;
        }
    }
    const int result = RunSimScript(script, folder, std::cout, std::cerr);
    if (temporary) {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    return result;
}
