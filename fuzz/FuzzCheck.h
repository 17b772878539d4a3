#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property that does not hold is a crash, so libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property does not hold: %s\n", property);
    std::abort();
}

inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input's first line (without its LF) and the rest, for targets that take a setting and a
// text: readable seeds such as "2\nTotal: 1,234.50".
struct SplitInput {
    std::string_view head;
    std::string_view body;
};

inline SplitInput SplitAtFirstLine(std::string_view text) {
    const std::size_t lf = text.find('\n');
    if (lf == std::string_view::npos) return {{}, text};
    return {text.substr(0, lf), text.substr(lf + 1)};
}
