#include "store/KnownPrograms.h"

#include "platform/text.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// Windows: the console host and the shells that own console windows, Windows Terminal, and the
// terminals of Cygwin, MSYS and PuTTY. X11: the class names of the common terminal emulators.
// The simulated desktop's terminal is "terminal".
constexpr std::string_view kBuiltInTerminals[] = {
    "conhost",
    "openconsole",
    "cmd",
    "powershell",
    "pwsh",
    "windowsterminal",
    "wt",
    "wsl",
    "bash",
    "mintty",
    "putty",
    "kitty",
    "xterm",
    "uxterm",
    "gnome-terminal",
    "gnome-terminal-server",
    "konsole",
    "xfce4-terminal",
    "alacritty",
    "urxvt",
    "rxvt",
    "terminator",
    "tilix",
    "lxterminal",
    "mate-terminal",
    "qterminal",
    "terminology",
    "st",
    "st-256color",
    "foot",
    "wezterm",
    "org.wezfurlong.wezterm",
    "guake",
    "yakuake",
    "terminal",
};

// AbiWord takes one key per server timestamp (a millisecond): with less than 3 ms between the
// events of a run it lost keys, at 3 ms none in 100 runs. A pause lets the user's keys in
// between the program's, so it is kept to the programs that need it.
constexpr std::string_view kKeyDroppers[] = {"abiword"};
constexpr unsigned kKeyDropperGapMs = 3;

// The name as the lists keep it: lower case, without an executable's ".exe".
std::string Key(std::string_view program) {
    std::string key = LowerAscii(program);
    if (key.ends_with(".exe")) key.resize(key.size() - 4);
    return key;
}

bool Listed(const std::vector<std::string>& names, const std::string& key) {
    return std::any_of(names.begin(), names.end(),
                       [&key](const std::string& name) { return Key(name) == key; });
}

} // namespace

bool IsTerminalProgram(const Preferences& prefs, std::string_view program) {
    const std::string key = Key(program);
    if (key.empty()) return false;
    return std::find(std::begin(kBuiltInTerminals), std::end(kBuiltInTerminals), key) !=
               std::end(kBuiltInTerminals) ||
           Listed(prefs.terminals, key);
}

unsigned SyntheticKeyGapMs(const Preferences& prefs, std::string_view program) {
    if (prefs.keyGapMs) return *prefs.keyGapMs;
    const std::string key = Key(program);
    return std::find(std::begin(kKeyDroppers), std::end(kKeyDroppers), key) !=
                   std::end(kKeyDroppers)
               ? kKeyDropperGapMs
               : 0;
}

bool IsPausedProgram(const Preferences& prefs, std::string_view program) {
    const std::string key = Key(program);
    return !key.empty() && Listed(prefs.pausedPrograms, key);
}

Preferences WithPauseToggled(Preferences prefs, std::string_view program) {
    const std::string key = Key(program);
    if (key.empty()) return prefs;
    std::vector<std::string>& paused = prefs.pausedPrograms;
    const auto listed = std::remove_if(
        paused.begin(), paused.end(), [&key](const std::string& name) { return Key(name) == key; });
    if (listed != paused.end())
        paused.erase(listed, paused.end());
    else
        paused.push_back(key);
    return prefs;
}
