#pragma once

#include "platform/Files.h"

#include <map>
#include <string>

// A disk in memory: files keyed by full path, in a program folder of its own, and writes that
// can be made to fail.
struct FakeFiles : Files {
    std::string folder = "/prog/";
    std::map<std::string, std::string, std::less<>> files;
    bool failWrites = false;
    int writes = 0;

    std::string programFolder() override { return folder; }
    std::optional<std::string> readFile(std::string_view path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    FileStatus writeFile(std::string_view path, std::string_view data) override {
        ++writes;
        if (failWrites) return {false, "disk full"};
        files[std::string(path)] = data;
        return {};
    }
    FileStatus copyFile(std::string_view from, std::string_view to) override {
        const auto data = readFile(from);
        if (!data) return {false, "not found"};
        return writeFile(to, *data);
    }
    bool fileExists(std::string_view path) override { return files.contains(path); }
};
