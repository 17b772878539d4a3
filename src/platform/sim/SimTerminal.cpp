#include "platform/sim/SimTerminal.h"

#include "platform/keys.h"

namespace {

void SendLine(SimTerminal& t, std::string_view end) {
    t.scrollback += t.line.text;
    t.scrollback += end;
    t.line = {};
}

} // namespace

void TerminalKeyDown(SimTerminal& t, std::uint8_t key, Modifiers m, const KeyboardLayout& layout) {
    const bool altGr = m.ctrl && m.alt && layout.hasAltGr;
    if (m.ctrl && !altGr) {
        if (key == 'C' && !m.shift && !m.alt) SendLine(t, "^C\n");
        return;
    }
    if (m.alt && !altGr) return;
    switch (key) {
    case vk::Return:
        return SendLine(t, "\n");
    case vk::Up:
    case vk::Down:
        return;
    case vk::Left:
    case vk::Right:
    case vk::Home:
    case vk::End:
        m.shift = false;
        break;
    default:
        break;
    }
    std::optional<std::string> noClipboard; // nothing here reaches the clipboard
    EditorKeyDown(t.line, key, m, layout, noClipboard);
}

void TerminalChar(SimTerminal& t, char c) {
    if (c == '\r' || c == '\n') return SendLine(t, "\n");
    EditorChar(t.line, c);
}

std::string TerminalText(const SimTerminal& t) {
    return t.scrollback + t.line.text;
}

SimEditor TerminalView(const SimTerminal& t) {
    const std::size_t caret = t.scrollback.size() + t.line.caret;
    return {TerminalText(t), caret, caret};
}
