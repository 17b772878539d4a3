#include "plan.h"

#include <cctype>

namespace measure {

namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t';
}

std::string_view TrimSpaces(std::string_view line) {
    while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsSpace(line.back())) line.remove_suffix(1);
    return line;
}

// Keys that end a word for the expander and type their character again after an expansion.
// The suffix keys ([, ], =) and the back-quote also end a word but type something else or
// nothing, so a word before them is typed in full.
bool IsDelimiterChar(char c) {
    return std::string_view(" \n\t.,/?\\|!;:-_'\"(").find(c) != std::string_view::npos;
}

// Whether the expander takes a letter at text[i] as the start of a new word: after a space, a
// line break or most delimiters; not after a period or a backslash (e.g), nor after an
// apostrophe that follows a letter (the t of don't); never after a digit or other continuing key.
bool StartsWord(std::string_view text, std::size_t i) {
    if (i == 0) return true;
    const char before = text[i - 1];
    if (before == '\'') return i == 1 || IsSpace(text[i - 2]);
    if (before == '.' || before == '\\') return false;
    return IsDelimiterChar(before);
}

std::size_t LetterRunEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && IsLetter(text[i])) ++i;
    return i;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::size_t CountWords(std::string_view text) {
    std::size_t words = 0;
    bool inWord = false;
    for (char c : text) {
        if (IsSpace(c) || c == '\r') {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            ++words;
        }
    }
    return words;
}

std::string Paragraphs(std::string_view book, std::size_t maxWords) {
    std::string text;
    std::string paragraph;
    std::size_t words = 0;
    const auto endParagraph = [&] {
        if (paragraph.empty()) return false;
        text += paragraph;
        text += '\n';
        words += CountWords(paragraph);
        paragraph.clear();
        return maxWords > 0 && words >= maxWords;
    };
    std::size_t pos = 0;
    while (pos < book.size()) {
        std::size_t lineEnd = book.find('\n', pos);
        if (lineEnd == std::string_view::npos) lineEnd = book.size();
        std::string line(TrimSpaces(book.substr(pos, lineEnd - pos)));
        std::erase(line, '\r');
        pos = lineEnd + 1;
        if (line.empty()) {
            if (endParagraph()) return text;
            continue;
        }
        if (!paragraph.empty()) paragraph += ' ';
        paragraph += line;
    }
    endParagraph();
    return text;
}

Plan MakePlan(std::string text, const std::map<std::string, std::string>& formsByExpansion) {
    Plan plan;
    plan.text = std::move(text);
    const std::string_view t = plan.text;
    const auto formOf = [&](std::string_view word) -> const std::string* {
        const auto it = formsByExpansion.find(std::string(word));
        return it == formsByExpansion.end() ? nullptr : &it->second;
    };
    std::size_t i = 0;
    while (i < t.size()) {
        if (!IsLetter(t[i])) {
            plan.strokes.push_back({t[i], -1});
            ++i;
            continue;
        }
        PlannedWord word{i, LetterRunEnd(t, i), {}};
        // A contraction with a form of its own is one word (dont gives don't); otherwise the
        // apostrophe ends the letters before it, as it does for the expander.
        if (word.end + 1 < t.size() && t[word.end] == '\'' && IsLetter(t[word.end + 1])) {
            const std::size_t contractionEnd = LetterRunEnd(t, word.end + 1);
            if (formOf(t.substr(i, contractionEnd - i))) word.end = contractionEnd;
        }
        // The text ends with a line break, so a character always follows a word.
        const std::string_view letters = t.substr(i, word.end - i);
        const std::string* form = formOf(letters);
        const bool placed = StartsWord(t, i) && IsDelimiterChar(t[word.end]);
        if (form && placed) {
            word.shortForm = *form;
            ++plan.byShortForm;
        } else if (form) {
            ++plan.placeInFull;
        } else if (Lower(letters) != letters && formOf(Lower(letters))) {
            ++plan.capitalisedInFull;
        }
        const std::string_view typed = word.shortForm.empty() ? letters : word.shortForm;
        for (char c : typed) plan.strokes.push_back({c, -1});
        plan.strokes.push_back({t[word.end], static_cast<int>(plan.words.size())});
        plan.words.push_back(std::move(word));
        i = plan.words.back().end + 1;
    }
    return plan;
}

} // namespace measure
