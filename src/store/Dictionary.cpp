#include "store/Dictionary.h"

#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "store/DataFile.h"

namespace {

// WordWeb's tray-less program, preferred when it is installed beside the one the file names.
constexpr std::string_view kWordWeb = "C:\\Program Files\\WordWeb\\wweb32.exe";
constexpr std::string_view kWordWebNoTray = "C:\\Program Files\\WordWeb\\wwnotray.exe";

struct Line {
    std::string_view text;
    std::string_view rest; // after the line's line break
    bool broken = false;   // a line break ended it
};

// Lines end with CR LF; a lone LF or CR is taken as a line end too, so a file edited on Linux
// still works.
Line NextLine(std::string_view s) {
    const std::size_t end = s.find_first_of("\r\n");
    if (end == std::string_view::npos) return {s, {}, false};
    const std::size_t next = s.substr(end).starts_with("\r\n") ? end + 2 : end + 1;
    return {s.substr(0, end), s.substr(next), true};
}

// The dictionary's window forward, or the program started when no such window is open. False
// when neither worked, so that nothing is typed into whatever else has the focus.
bool ActivateDictionary(DesktopWindows& windows, Programs& programs, const DictionaryConfig& d) {
    return windows.activateWindowByTitle(d.windowTitle) || programs.startProgram(d.programPath);
}

} // namespace

DictionaryConfig ParseDictionarySettings(std::string_view text) {
    const Line path = NextLine(text);
    if (!path.broken || path.text.empty()) return {};
    const Line title = NextLine(path.rest);
    if (title.text.empty()) return {};
    DictionaryConfig d{std::string(path.text), std::string(title.text), {}, false};
    // The file's own last line break ends the file, not the script: it would type an Enter.
    std::string_view script = title.rest;
    if (script.ends_with('\n')) script.remove_suffix(1);
    if (script.ends_with('\r')) script.remove_suffix(1);
    d.closingScript = script;
    return d;
}

DictionaryConfig LoadDictionarySettings(Files& files) {
    const std::string text = ReadWholeFile(files, DictionaryFileName);
    if (text == FileNotFoundText) return {};
    DictionaryConfig d = ParseDictionarySettings(text);
    if (d.programPath.empty()) return d;
    d.available = files.fileExists(d.programPath);
    if (d.programPath == kWordWeb && files.fileExists(kWordWebNoTray)) {
        d.programPath = kWordWebNoTray;
        d.windowTitle = "WordWeb";
    }
    return d;
}

void TypeIntoDictionary(Platform& p, KeyOutState& k, const DictionaryConfig& d,
                        std::string_view word) {
    if (!d.available || !ActivateDictionary(p, p, d)) return;
    Pause(p, 0.1f);
    TypeKeyScript(p, k, word);
    Pause(p, 0.02f);
    TypeKeyScript(p, k, d.closingScript);
}
