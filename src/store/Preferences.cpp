#include "store/Preferences.h"

#include "platform/text.h"
#include "store/DataFile.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kKeepCapitals = "keep_capitals";
constexpr std::string_view kKeyGap = "key_gap_ms";
constexpr std::string_view kTerminal = "terminal";
constexpr std::string_view kPaused = "paused";
constexpr std::string_view kStartAtLogin = "start_at_login";
// A gap longer than this would make every expansion visibly slow: it is a mistake, not a choice.
constexpr unsigned kLongestKeyGap = 100;

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::optional<bool> ParseFlag(std::string_view v) {
    if (v == "1") return true;
    if (v == "0") return false;
    return std::nullopt;
}

std::optional<unsigned> ParseGap(std::string_view v) {
    unsigned n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || end != v.data() + v.size() || n > kLongestKeyGap) return std::nullopt;
    return n;
}

void AddName(std::vector<std::string>& names, std::string_view v) {
    std::string name = LowerAscii(v);
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

// The problem with one line, or "" when it was used.
std::string ApplyLine(Preferences& p, std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return "it is not of the form key=value";
    const std::string_view key = Trim(line.substr(0, eq));
    const std::string_view value = Trim(line.substr(eq + 1));
    if (key == kKeepCapitals || key == kStartAtLogin) {
        const std::optional<bool> flag = ParseFlag(value);
        if (!flag) return std::string(key) + " takes 0 or 1";
        (key == kKeepCapitals ? p.keepCapitals : p.startAtLogin) = *flag;
    } else if (key == kKeyGap) {
        const std::optional<unsigned> gap = ParseGap(value);
        if (!gap)
            return std::string(kKeyGap) + " takes a whole number of milliseconds from 0 to " +
                   std::to_string(kLongestKeyGap);
        p.keyGapMs = gap;
    } else if (key == kTerminal || key == kPaused) {
        if (value.empty()) return std::string(key) + " needs a program name";
        AddName(key == kTerminal ? p.terminals : p.pausedPrograms, value);
    } else {
        return "\"" + std::string(key) + "\" is not a preference";
    }
    return {};
}

} // namespace

PreferencesRead ParsePreferences(std::string_view text) {
    PreferencesRead read;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        if (std::string problem = ApplyLine(read.prefs, line); !problem.empty())
            read.problems.push_back(std::string(PreferencesFileName) + ", line " +
                                    std::to_string(number) + " (" + std::string(line) +
                                    "): " + problem + ". The line is not used.");
    }
    return read;
}

std::string FormatPreferences(const Preferences& prefs) {
    std::string out;
    const auto put = [&out](std::string_view key, std::string_view value) {
        out.append(key).append("=").append(value).append("\r\n");
    };
    put(kKeepCapitals, prefs.keepCapitals ? "1" : "0");
    if (prefs.keyGapMs) put(kKeyGap, std::to_string(*prefs.keyGapMs));
    for (const std::string& name : prefs.terminals) put(kTerminal, name);
    for (const std::string& name : prefs.pausedPrograms) put(kPaused, name);
    put(kStartAtLogin, prefs.startAtLogin ? "1" : "0");
    return out;
}

PreferencesRead LoadPreferences(Files& p) {
    const std::optional<std::string> text = p.readFile(DataFilePath(p, PreferencesFileName));
    return text ? ParsePreferences(*text) : PreferencesRead{};
}

FileStatus SavePreferences(Files& p, const Preferences& prefs) {
    return p.writeFile(DataFilePath(p, PreferencesFileName), FormatPreferences(prefs));
}
