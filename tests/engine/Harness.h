#pragma once

#include "app/Program.h"
#include "platform/sim/SimDesktop.h"
#include "store/Settings.h"
#include "ui/App.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

// A fresh program folder with the small fixture database, a simulated desktop and an App.
struct Harness {
    std::filesystem::path folder;
    SimDesktop sim;
    App app{sim};

    static std::filesystem::path MakeFolder() {
        namespace fs = std::filesystem;
        // create_directory refuses an existing folder, so the folder is new, as with mkdtemp
        // (which Windows lacks).
        std::random_device random;
        fs::path dir;
        do dir = fs::temp_directory_path() / ("quibnote-test-" + std::to_string(random()));
        while (!fs::create_directory(dir));
        fs::copy_file(fs::path(QUIBNOTE_SOURCE_DIR) / "tests/fixtures/small/QNhForms.dta",
                      dir / "QNhForms.dta");
        return dir;
    }

    Harness() : folder(MakeFolder()), sim(folder.string()) {}
    ~Harness() { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name = "QNhForms.dta") const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeFile(const std::string& text, const std::string& name = "QNhForms.dta") const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    // Runs the program until the virtual clock reaches `micros`, then stops it as a script would.
    void runFor(std::int64_t micros) {
        sim.setIdleHook([this, micros] {
            if (sim.nowMicros() >= micros) sim.stopProgram();
        });
        RunProgram(app);
    }
    // Runs the program until it ends by itself (a close scheduled before).
    void runToEnd() {
        sim.setIdleHook([] {});
        RunProgram(app);
    }
    void closeMainWindowAt(std::int64_t micros) {
        sim.scheduleAction(micros, {UserAction::Kind::Close, "frmKeyvane", {}, -1, 0, 0, {}});
    }
    void chooseMenuAt(std::int64_t micros, const char* item) {
        sim.scheduleAction(micros, {UserAction::Kind::Menu, "frmKeyvane", item, -1, 0, 0, {}});
    }
};

// The database file with the options of its settings line changed by `change`, the line written as
// the program writes it; every other option, and the rest of the file, stay as they were.
template <class Change> std::string WithOptions(const std::string& db, Change change) {
    const std::size_t eol = db.find("\r\n");
    Options o = ParseSettings(std::string_view(db).substr(0, eol));
    change(o);
    return BuildSettingsLine(o) + db.substr(eol);
}
