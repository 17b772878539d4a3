// quibnote [--folder DIR]: the program on an X11 desktop. Its folder is DIR as it stands, or
// $XDG_DATA_HOME/quibnote (~/.local/share/quibnote), given the shipped files it lacks on start.

#include "app/Program.h"
#include "platform/x11/ProgramFolder.h"
#include "platform/x11/X11Desktop.h"
#include "ui/App.h"

#include <iostream>
#include <string>

namespace {

int Usage(int status) {
    (status == 0 ? std::cout : std::cerr) << "usage: quibnote [--folder DIR]\n";
    return status;
}

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--folder" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--help")
            return Usage(0);
        else
            return Usage(2);
    }
    if (folder.empty()) {
        folder = DefaultProgramFolder();
        if (folder.empty()) {
            std::cerr << "quibnote: neither XDG_DATA_HOME nor HOME is set\n";
            return 1;
        }
        const std::string error = FillProgramFolder(folder, ShippedDataFolder(QUIBNOTE_DATA_DIR));
        if (!error.empty()) {
            std::cerr << "quibnote: " << error << '\n';
            return 1;
        }
    }
    X11Desktop desktop(folder);
    if (!desktop.ok()) {
        std::cerr << "quibnote: " << desktop.error() << '\n';
        return 1;
    }
    App app(desktop);
    RunProgram(app);
    return 0;
}
