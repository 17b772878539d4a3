#include "dtafile.h"

#include "platform/text.h"
#include "storedform.h"

namespace dbgen {

std::string StartSettingsLine() {
    // Fields 1-23: normal window, no multi-clipboard pop-up; font 10 with look-ahead on; normal
    // speed, not protected; the default colours and window geometry; a floating display panel;
    // a tip at start-up and activation of used words on; active forms only in the lists; use
    // level 2; the display panel on, shown only while a preview stands, no highlight; two
    // decimal places for the calculator; the expander on. The tail marks the Original database.
    return "0 3 0 16748688 2150 13300 7950 4060 10415071 16761024 0 0 0 1 0 20 0 0 3 2 3986882 2 "
           "1 -- Copyright Quibnote contributors, English short forms";
}

std::string DatabaseText(std::string_view settings, const std::vector<Record>& records) {
    std::string text(settings);
    for (const auto& record : records) {
        text += CrLf;
        text += record.shortForm;
        text += '\t';
        text += StoredExpansion(record.shortForm, record.expansion);
    }
    text += CrLf;
    return text;
}

std::optional<LoadedDatabase> CutIntoGroups(std::string_view text, std::string& problem) {
    LoadedDatabase db;
    db.settings = std::string(text.substr(0, text.find('\r')));
    std::array<std::size_t, 27> start{};
    for (std::size_t c = 0; c < 26; ++c) {
        const std::string head = std::string(CrLf) + static_cast<char>('a' + c);
        start[c] = text.find(head);
        if (start[c] == std::string_view::npos) {
            problem = "letter group " + std::string(1, static_cast<char>('a' + c)) + " is missing";
            return std::nullopt;
        }
        if (c > 0 && start[c] < start[c - 1]) {
            problem = "letter group " + std::string(1, static_cast<char>('a' + c)) +
                      " stands before the group before it";
            return std::nullopt;
        }
    }
    start[26] = text.size();
    for (std::size_t c = 0; c < 26; ++c)
        db.groups[c] = std::string(text.substr(start[c], start[c + 1] - start[c]));
    if (db.groups[25].ends_with(CrLf)) db.groups[25].resize(db.groups[25].size() - 2);
    return db;
}

std::vector<std::string_view> GroupLines(std::string_view group) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < group.size()) {
        if (group.substr(at, 2) != CrLf) break;
        at += 2;
        const std::size_t end = group.find(CrLf, at);
        const std::size_t stop = end == std::string_view::npos ? group.size() : end;
        lines.push_back(group.substr(at, stop - at));
        at = stop;
    }
    return lines;
}

} // namespace dbgen
