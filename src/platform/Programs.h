#pragma once

#include <string_view>

// Other programs: starting one, and another instance of this one.
class Programs {
  public:
    virtual ~Programs() = default;

    virtual bool startProgram(std::string_view path) = 0;
    // True when another instance of the program is already running.
    virtual bool otherInstanceRunning() = 0;
};
