#pragma once

#include "app/SimDriver.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

// A fresh copy of a folder of tests/fixtures, on which the whole program can run more than once,
// each run a quibnote-sim script on a fresh simulated desktop.
struct FixtureFolder {
    std::filesystem::path folder;

    explicit FixtureFolder(const std::string& fixture) {
        namespace fs = std::filesystem;
        std::random_device random;
        do folder = fs::temp_directory_path() / ("quibnote-test-" + std::to_string(random()));
        while (!fs::create_directory(folder));
        fs::copy(fs::path(QUIBNOTE_SOURCE_DIR) / "tests/fixtures" / fixture, folder);
    }
    ~FixtureFolder() { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        if (!in) return "(missing)";
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    // Runs the program with the script; every expect of the script must hold.
    void run(const std::string& script) const {
        std::ostringstream out, err;
        EXPECT_EQ(RunSimScript(script, folder.string(), out, err), 0) << out.str() << err.str();
    }
};
