#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

// Runs the whole program on the simulated desktop with `folder` as its program folder, driven by
// a quibnote-sim script. Returns 0, 1 when an expect failed, 2 on a script error.
int RunSimScript(std::string_view script, const std::string& folder, std::ostream& out,
                 std::ostream& err);
