// The dictionary file of any text. A configuration names a program and a window on lines of
// their own, and written back as a file it reads the same; a text that names no program and
// window configures no dictionary at all.
#include "FuzzCheck.h"
#include "platform/text.h"
#include "store/Dictionary.h"

#include <string>

namespace {

bool OneLine(std::string_view s) {
    return !s.empty() && s.find_first_of("\r\n") == std::string_view::npos;
}

bool Same(const DictionaryConfig& a, const DictionaryConfig& b) {
    return a.programPath == b.programPath && a.windowTitle == b.windowTitle &&
           a.closingScript == b.closingScript;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = InputText(data, size);
    const DictionaryConfig d = ParseDictionarySettings(text);
    Require(!d.available, "only the program's presence makes a dictionary available");
    if (d.programPath.empty()) {
        Require(d.windowTitle.empty() && d.closingScript.empty(),
                "no program, no dictionary at all");
        return 0;
    }
    Require(OneLine(d.programPath) && OneLine(d.windowTitle),
            "the program and the window are one line each");
    Require(text.starts_with(d.programPath), "the program is the first line");

    const std::string head = d.programPath + std::string(CrLf) + d.windowTitle;
    const DictionaryConfig rewritten =
        ParseDictionarySettings(head + std::string(CrLf) + d.closingScript + std::string(CrLf));
    Require(Same(rewritten, d), "a configuration written back reads the same");
    if (d.closingScript.empty())
        Require(Same(ParseDictionarySettings(head + std::string(CrLf)), d),
                "a file of two lines has no closing script");
    return 0;
}
