#include "app/SimScript.h"

#include "platform/keys.h"
#include "platform/text.h"

#include <array>
#include <utility>

std::vector<ScriptLine> ParseScript(std::string_view script) {
    std::vector<ScriptLine> lines;
    int number = 0;
    while (!script.empty()) {
        ++number;
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(' ') == std::string_view::npos || line.front() == '#') continue;
        const std::size_t space = line.find(' ');
        ScriptLine s{number, std::string(line.substr(0, space)), {}};
        if (space != std::string_view::npos) s.text = std::string(line.substr(space + 1));
        lines.push_back(std::move(s));
    }
    return lines;
}

std::string UnescapeTyped(std::string_view utf8) {
    std::string raw;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 == utf8.size()) {
            raw += utf8[i];
            continue;
        }
        switch (utf8[++i]) {
        case 'n':
            raw += '\n';
            break;
        case 't':
            raw += '\t';
            break;
        case 'b':
            raw += '\b';
            break;
        case '\\':
            raw += '\\';
            break;
        default:
            raw += '\\';
            raw += utf8[i];
        }
    }
    return Cp1252FromUtf8(raw);
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::string UnescapePrinted(std::string_view utf8) {
    // Bytes written as \xHH are program bytes already; the rest is UTF-8 text.
    std::string out;
    std::string pending;
    const auto flush = [&] {
        out += Cp1252FromUtf8(pending);
        pending.clear();
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 == utf8.size()) {
            pending += utf8[i];
            continue;
        }
        const char e = utf8[++i];
        if (e == 'x' && i + 2 < utf8.size() && HexDigit(utf8[i + 1]) >= 0 &&
            HexDigit(utf8[i + 2]) >= 0) {
            flush();
            out += static_cast<char>(HexDigit(utf8[i + 1]) * 16 + HexDigit(utf8[i + 2]));
            i += 2;
            continue;
        }
        pending += e == 'n' ? '\n' : e == 't' ? '\t' : e;
    }
    flush();
    return out;
}

std::string EscapeForPrint(std::string_view cp1252) {
    std::string out;
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp1252[i]);
        if (c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') continue;
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += Utf8FromCp1252(cp1252.substr(i, 1));
        }
    }
    return out;
}

std::optional<std::uint8_t> KeyByName(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 32);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint8_t>(c);
        static constexpr std::array<std::pair<char, std::uint8_t>, 11> kPunctuation = {
            {{'[', vk::Oem4},
             {']', vk::Oem6},
             {'=', vk::OemPlus},
             {'`', vk::Oem3},
             {'\'', vk::Oem7},
             {'\\', vk::Oem5},
             {';', vk::Oem1},
             {',', vk::OemComma},
             {'.', vk::OemPeriod},
             {'/', vk::Oem2},
             {'-', vk::OemMinus}}};
        for (const auto& [ch, key] : kPunctuation)
            if (ch == c) return key;
        return std::nullopt;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) return static_cast<std::uint8_t>(vk::F1 + n - 1);
        return std::nullopt;
    }
    static constexpr std::array<std::pair<std::string_view, std::uint8_t>, 24> kNamed = {{
        {"SHIFT", vk::LShift},  {"LSHIFT", vk::LShift},    {"RSHIFT", vk::RShift},
        {"CTRL", vk::LControl}, {"LCTRL", vk::LControl},   {"RCTRL", vk::RControl},
        {"ALT", vk::LMenu},     {"LALT", vk::LMenu},       {"RALT", vk::RMenu},
        {"LWIN", vk::LWin},     {"SPACE", vk::Space},      {"ENTER", vk::Return},
        {"TAB", vk::Tab},       {"BACKSPACE", vk::Back},   {"DELETE", vk::Delete},
        {"ESC", vk::Escape},    {"LEFT", vk::Left},        {"RIGHT", vk::Right},
        {"UP", vk::Up},         {"DOWN", vk::Down},        {"HOME", vk::Home},
        {"END", vk::End},       {"CAPSLOCK", vk::Capital}, {"LBUTTON", vk::LButton},
    }};
    for (const auto& [n, key] : kNamed)
        if (n == name) return key;
    return std::nullopt;
}
