#include "inputs.h"

#include "platform/text.h"

#include <cstddef>
#include <fstream>
#include <sstream>

namespace dbgen {

namespace {

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t')) ++i;
    return i;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// A JSON string starting at the quote at i; i moves past the closing quote. The text comes back
// as UTF-8; nothing when the string is not closed or an escape is malformed.
std::optional<std::string> JsonString(std::string_view s, std::size_t& i) {
    if (i >= s.size() || s[i] != '"') return std::nullopt;
    std::string out;
    for (++i; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            ++i;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= s.size()) return std::nullopt;
        switch (s[i]) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'u': {
            unsigned cp = 0;
            for (int k = 0; k < 4; ++k) {
                if (++i >= s.size() || HexValue(s[i]) < 0) return std::nullopt;
                cp = cp * 16 + static_cast<unsigned>(HexValue(s[i]));
            }
            AppendUtf8(out, cp);
            break;
        }
        default:
            out += s[i];
            break;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<WordCount>> ParseFrequencies(std::string_view json) {
    std::vector<WordCount> entries;
    std::optional<std::string> word;
    std::size_t i = 0;
    while (i < json.size()) {
        if (json[i] != '"') {
            ++i;
            continue;
        }
        const auto key = JsonString(json, i);
        if (!key) return std::nullopt;
        i = SkipBlanks(json, i);
        if (i >= json.size() || json[i] != ':') continue; // a string value, already consumed
        i = SkipBlanks(json, i + 1);
        if (*key == "word") {
            word = JsonString(json, i);
            if (!word) return std::nullopt;
        } else if (*key == "count") {
            if (!word) return std::nullopt;
            long count = 0;
            std::size_t digits = 0;
            for (; i < json.size() && json[i] >= '0' && json[i] <= '9'; ++i, ++digits)
                count = count * 10 + (json[i] - '0');
            if (digits == 0) return std::nullopt;
            entries.push_back({Cp1252FromUtf8(*word), count});
            word.reset();
        }
    }
    if (entries.empty() || word) return std::nullopt;
    return entries;
}

std::vector<std::string> ParseWordList(std::string_view utf8) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos) end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) words.push_back(Cp1252FromUtf8(line));
        start = end + 1;
    }
    return words;
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

} // namespace dbgen
