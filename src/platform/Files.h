#pragma once

#include <optional>
#include <string>
#include <string_view>

struct [[nodiscard]] FileStatus {
    bool ok = true;
    std::string error; // the platform's description when !ok
};

// The program's files. The program folder ends with the platform's separator. writeFile and
// copyFile write a new file beside the target and replace the target atomically.
class Files {
  public:
    virtual ~Files() = default;

    virtual std::string programFolder() = 0;
    virtual std::optional<std::string> readFile(std::string_view path) = 0;
    virtual FileStatus writeFile(std::string_view path, std::string_view data) = 0;
    virtual FileStatus copyFile(std::string_view from, std::string_view to) = 0;
    virtual bool fileExists(std::string_view path) = 0;
};
