#pragma once

#include "../engine/Harness.h"

#include <string>

// Every option at its default, the expander on.
inline const std::string DefaultSettings =
    "0 0 0 16748688 2150 13300 7950 4060 10415071 16761024 0 0 0 0 0 0 0 0 0 0 3986882  1 -- "
    "Copyright 2026 Quibnote sample database";

// The settings line with field n (from 1) replaced; the fields are single-space separated.
inline std::string WithField(const std::string& line, int n, const std::string& value) {
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) start = line.find(' ', start) + 1;
    const std::size_t end = line.find(' ', start);
    return line.substr(0, start) + value + line.substr(end);
}

inline std::string FieldOf(const std::string& line, int n) {
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) start = line.find(' ', start) + 1;
    return line.substr(start, line.find(' ', start) - start);
}

// The fixture database under another settings line.
inline void UseSettings(Harness& h, const std::string& line) {
    const std::string db = h.file();
    h.writeFile(line + db.substr(db.find('\r')));
}

inline std::string SettingsOnFile(const Harness& h) {
    const std::string db = h.file();
    return db.substr(0, db.find('\r'));
}

inline constexpr std::int64_t kSecond = 1'000'000;

inline void ClickAt(Harness& h, std::int64_t at, const char* form, const char* control,
                    int index = -1) {
    h.sim.scheduleAction(at, {UserAction::Kind::Click, form, control, index, 0, 0, {}});
}
