#include "check.h"

#include "curated.h"
#include "dtafile.h"
#include "platform/text.h"
#include "storedform.h"
#include "textfold.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace dbgen {

namespace {

constexpr std::size_t kSettingsFields = 23;
constexpr std::size_t kMaxLength = 7;

struct Line {
    std::string_view shortForm;
    std::string_view stored;
};

std::string Show(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "<CR>";
        } else if (c == '\n') {
            out += "<LF>";
        } else if (c == '\t') {
            out += "<TAB>";
        } else if (c == mark::Erase) {
            out += "<erase>";
        } else {
            out += c;
        }
    }
    return out;
}

void CheckSettings(std::string_view settings, std::vector<std::string>& problems) {
    std::istringstream in{std::string(settings)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.size() < kSettingsFields + 2) {
        problems.push_back("settings line has fewer than 23 fields and the type code");
        return;
    }
    const auto copyright = settings.find(" Copyright");
    if (copyright == std::string_view::npos || copyright < 2 ||
        settings.substr(copyright - 2, 2) != "--")
        problems.push_back("settings line lacks the Original type code -- before Copyright");
}

// Erase marks: the first run follows the short form and is exactly as long as it (the start-up
// normalisation rewrites any other record); a later run erases within the text written since
// the run before it.
bool MarksAreNormal(const Line& line) {
    const std::string_view e = line.stored;
    std::size_t i = e.find(mark::Erase);
    if (i == std::string_view::npos) return true;
    if (i != line.shortForm.size()) return false;
    bool first = true;
    std::size_t written = i;
    while (i < e.size()) {
        if (e[i] != mark::Erase) {
            ++written;
            ++i;
            continue;
        }
        std::size_t run = 0;
        for (; i < e.size() && e[i] == mark::Erase; ++i) ++run;
        if (first ? run != written : run > written) return false;
        first = false;
        written = 0;
    }
    return true;
}

void CheckLine(char letter, const Line& line, const std::unordered_set<std::string>& realWords,
               std::vector<std::string>& problems) {
    const std::string shown = std::string(line.shortForm) + " -> " + Show(line.stored);
    const auto problem = [&](std::string_view what) {
        problems.push_back(std::string(what) + ": " + shown);
    };
    if (line.shortForm.empty() ||
        !std::all_of(line.shortForm.begin(), line.shortForm.end(), IsLowerLetter)) {
        problem("short form not of letters a-z");
        return;
    }
    if (line.shortForm[0] != letter) problem("record in the wrong letter group");
    if (line.stored.find_first_of("\r\n\t") != std::string_view::npos)
        problem("CR, LF or TAB inside the expansion");
    if (!line.stored.starts_with(line.shortForm))
        problem("stored expansion does not begin with the short form");
    if (!line.stored.empty() &&
        (line.stored.back() == mark::Activated || line.stored.back() == mark::Added))
        problem("state mark in the shipped database");
    if (!MarksAreNormal(line)) problem("erase marks not in normal form");
    if (line.shortForm.size() > kMaxLength) problem("short form longer than seven letters");
    if (ApplyErasures(line.stored).size() <= line.shortForm.size())
        problem("short form saves no keystroke");
    if (realWords.contains(std::string(line.shortForm))) problem("short form is a real word");
}

// The add operation refuses an expansion that some other record of the group already ends
// with, right after its TAB or after an erase mark.
void CheckDuplicates(const std::vector<Line>& lines, std::vector<std::string>& problems) {
    std::multimap<std::string_view, std::size_t> endings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view e = lines[i].stored;
        endings.emplace(e, i);
        for (std::size_t at = e.find(mark::Erase); at != std::string_view::npos;
             at = e.find(mark::Erase, at + 1))
            endings.emplace(e.substr(at + 1), i);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string bare = BareExpansion(lines[i].shortForm, lines[i].stored);
        const auto [from, to] = endings.equal_range(bare);
        for (auto it = from; it != to; ++it)
            if (it->second != i) {
                problems.push_back(
                    "duplicate expansion in the group: " + std::string(lines[i].shortForm) +
                    " and " + std::string(lines[it->second].shortForm) + " -> " + Show(bare));
                break;
            }
    }
}

// The missed-short-form check looks for each accent form in the group of the typed word, right
// after a TAB or an erase mark, and ending a record.
void CheckAccentForms(const LoadedDatabase& db, std::vector<std::string>& problems) {
    for (const auto& accent : AccentForms()) {
        const std::string& group = db.groups[static_cast<std::size_t>(accent.typed[0] - 'a')];
        bool found = false;
        for (const char lead : {'\t', mark::Erase}) {
            const std::string wanted = lead + accent.stored;
            for (std::size_t at = group.find(wanted); !found && at != std::string::npos;
                 at = group.find(wanted, at + 1)) {
                const std::size_t end = at + wanted.size();
                found = end == group.size() || group[end] == '\r' ||
                        group[end] == mark::Activated || group[end] == mark::Added;
            }
        }
        if (!found) problems.push_back("no record for the accent form of " + accent.typed);
    }
}

} // namespace

CheckResult CheckDatabase(std::string_view text, const std::unordered_set<std::string>& realWords,
                          std::size_t minRecords) {
    CheckResult result;
    auto& problems = result.problems;
    if (!text.ends_with(CrLf)) problems.push_back("file does not end with CR LF");
    std::string problem;
    const auto db = CutIntoGroups(text, problem);
    if (!db) {
        problems.push_back(problem);
        return result;
    }
    CheckSettings(db->settings, problems);
    for (std::size_t g = 0; g < 26; ++g) {
        const char letter = static_cast<char>('a' + g);
        std::vector<Line> lines;
        for (std::string_view raw : GroupLines(db->groups[g])) {
            const std::size_t tab = raw.find('\t');
            if (tab == std::string_view::npos) {
                problems.push_back("record without TAB: " + Show(raw));
                continue;
            }
            lines.push_back({raw.substr(0, tab), raw.substr(tab + 1)});
        }
        if (lines.empty())
            problems.push_back("letter group " + std::string(1, letter) + " is empty");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            CheckLine(letter, lines[i], realWords, problems);
            if (i > 0 && !(lines[i - 1].shortForm < lines[i].shortForm))
                problems.push_back("records out of order: " + std::string(lines[i - 1].shortForm) +
                                   " before " + std::string(lines[i].shortForm));
        }
        CheckDuplicates(lines, problems);
        result.records += lines.size();
    }
    CheckAccentForms(*db, problems);
    if (result.records < minRecords)
        problems.push_back("only " + std::to_string(result.records) + " records, fewer than " +
                           std::to_string(minRecords));
    return result;
}

} // namespace dbgen
