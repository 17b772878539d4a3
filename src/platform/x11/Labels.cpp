#include "platform/x11/Labels.h"

#include "platform/text.h"

#include <vector>

namespace {

std::string EscapeSymbols(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        out += c;
        if (c == '@') out += '@';
    }
    return out;
}

std::string LfFromCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

} // namespace

std::string ToolkitLabel(std::string_view cp1252) {
    return EscapeSymbols(Utf8FromCp1252(cp1252));
}

std::string PlainLabel(std::string_view cp1252) {
    std::string plain;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252[i] == '&' && i + 1 < cp1252.size()) ++i;
        plain += cp1252[i];
    }
    return ToolkitText(plain);
}

std::string ToolkitText(std::string_view cp1252) {
    return EscapeSymbols(Utf8FromCp1252(LfFromCrLf(cp1252)));
}

std::string EditText(std::string_view cp1252) {
    return Utf8FromCp1252(LfFromCrLf(cp1252));
}

std::string ProgramText(std::string_view utf8) {
    std::string out;
    for (const char c : Cp1252FromUtf8(utf8)) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string ToolkitPattern(std::string_view pattern) {
    if (pattern.find('|') == std::string_view::npos) return Utf8FromCp1252(pattern);
    const std::vector<std::string_view> parts = Split(pattern, '|');
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!out.empty()) out += '\t';
        const std::string_view name = parts[i];
        const std::string_view globs = parts[i + 1];
        out += Utf8FromCp1252(name);
        // The toolkit reads the pattern from the parentheses; Windows names often carry it
        // already, otherwise it is added.
        if (name.find('(') == std::string_view::npos) {
            const std::vector<std::string_view> each = Split(globs, ';');
            std::string joined;
            for (const std::string_view glob : each) {
                if (!joined.empty()) joined += ',';
                joined += glob;
            }
            if (each.size() > 1) joined = "{" + joined + "}";
            out += " (" + Utf8FromCp1252(joined) + ")";
        }
    }
    return out;
}

namespace {

// The longest start of `text` (whole UTF-8 characters, at least one) that fits the width.
std::size_t FittingPrefix(std::string_view text, int maxWidth,
                          const std::function<int(std::string_view)>& width) {
    std::size_t fit = 0;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) continue;
        if (fit > 0 && width(text.substr(0, end)) > maxWidth) break;
        fit = end;
    }
    return fit;
}

void WrapLine(std::string_view line, int maxWidth,
              const std::function<int(std::string_view)>& width, std::string& out) {
    while (width(line) > maxWidth) {
        const std::size_t fit = FittingPrefix(line, maxWidth, width);
        if (fit == line.size()) break; // one character wider than the width: it stays alone
        const std::size_t space = line.substr(0, fit + 1).rfind(' ');
        const std::size_t cut = space != std::string_view::npos && space > 0 ? space : fit;
        out.append(line.substr(0, cut)).append("\n");
        line.remove_prefix(cut);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    out.append(line);
}

} // namespace

std::string MessageText(std::string_view cp1252, int maxWidth,
                        const std::function<int(std::string_view)>& width) {
    std::string lines;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252[i] == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') continue;
        lines += cp1252[i] == '\r' ? '\n' : cp1252[i];
    }
    const std::string utf8 = Utf8FromCp1252(lines);
    std::string out;
    bool first = true;
    for (const std::string_view line : Split(utf8, '\n')) {
        if (!first) out += '\n';
        first = false;
        WrapLine(line, maxWidth, width, out);
    }
    return EscapeSymbols(out);
}
