#include "store/DatabaseFile.h"

#include "platform/text.h"

#include <array>

namespace {

LoadResult Refuse(std::string error) {
    return LoadResult{std::nullopt, std::move(error)};
}

std::string LetterText(int group) {
    return std::string(1, static_cast<char>('a' + group));
}

// The 1-based line of the first line end that is not CR LF, or 0 when all are.
std::size_t FirstBadLineEnd(std::string_view text) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n') return line;
            ++i;
            ++line;
        } else if (text[i] == '\n') {
            return line;
        }
    }
    return 0;
}

bool IsRecordLine(const Record& r) {
    if (!r.hasTab || r.shortForm.empty()) return false;
    for (const char c : r.shortForm)
        if (c < 'a' || c > 'z') return false;
    return true;
}

} // namespace

LoadResult CutDatabaseText(std::string_view fileText) {
    if (fileText.empty()) return Refuse("the file is empty");
    if (const std::size_t line = FirstBadLineEnd(fileText))
        return Refuse("line " + std::to_string(line) + " does not end with CR LF");
    const std::size_t firstCr = fileText.find('\r');
    const std::string_view records = firstCr == std::string_view::npos
                                         ? std::string_view()
                                         : StripTrailingLineBreak(fileText.substr(firstCr));
    if (records.empty()) return Refuse("the file holds no short-form records");

    // First pass: every line must be a record; note where each letter's records begin and the
    // first line that goes back to an earlier letter.
    std::array<std::size_t, 26> groupStart{};
    groupStart.fill(std::string_view::npos);
    std::size_t lineNumber = 1;
    std::size_t backwardsLine = 0;
    char backwardsLetter = 0;
    char backwardsAfter = 0;
    char current = 0;
    for (const Record& r : RecordsOf(records)) {
        ++lineNumber;
        if (!IsRecordLine(r))
            return Refuse("line " + std::to_string(lineNumber) +
                          " is not a short-form record (lower-case letters, a TAB, the expansion)");
        const char letter = r.shortForm.front();
        if (letter < current && backwardsLine == 0) {
            backwardsLine = lineNumber;
            backwardsLetter = letter;
            backwardsAfter = current;
        }
        if (letter > current) current = letter;
        const int g = letter - 'a';
        if (groupStart[g] == std::string_view::npos) groupStart[g] = r.start - 2;
    }
    for (int g = 0; g < 26; ++g)
        if (groupStart[g] == std::string_view::npos)
            return Refuse("the letter group '" + LetterText(g) + "' is missing");
    if (backwardsLine != 0)
        return Refuse("the letter groups are out of order: line " + std::to_string(backwardsLine) +
                      " belongs to group '" + std::string(1, backwardsLetter) +
                      "' but follows group '" + std::string(1, backwardsAfter) + "'");

    Database db;
    db.settingsLine = fileText.substr(0, firstCr);
    for (int g = 0; g < 26; ++g) {
        const std::size_t end = g == 25 ? records.size() : groupStart[g + 1];
        db.groups[g] = records.substr(groupStart[g], end - groupStart[g]);
    }
    return LoadResult{std::move(db), {}};
}

std::string DatabaseText(std::string_view settingsLine, const Database& db) {
    std::size_t size = settingsLine.size() + 2;
    for (const std::string& group : db.groups) size += group.size();
    std::string text;
    text.reserve(size);
    text.append(settingsLine);
    for (const std::string& group : db.groups) text.append(group);
    // A group never ends with a line break, but if one did the file would still end with one.
    text.resize(StripTrailingLineBreak(text).size());
    text.append(CrLf);
    return text;
}

std::string DatabaseText(const Database& db) {
    return DatabaseText(db.settingsLine, db);
}

std::string_view StripTrailingLineBreak(std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == CrLf) text.remove_suffix(2);
    return text;
}
