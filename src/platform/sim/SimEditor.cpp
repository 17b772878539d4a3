#include "platform/sim/SimEditor.h"

#include "platform/keys.h"

#include <algorithm>

namespace {

std::size_t SelStart(const SimEditor& e) {
    return std::min(e.caret, e.anchor);
}
std::size_t SelEnd(const SimEditor& e) {
    return std::max(e.caret, e.anchor);
}

void DeleteSelection(SimEditor& e) {
    const std::size_t from = SelStart(e);
    e.text.erase(from, SelEnd(e) - from);
    e.caret = e.anchor = from;
}

void Insert(SimEditor& e, const std::string& s) {
    DeleteSelection(e);
    e.text.insert(e.caret, s);
    e.caret = e.anchor = e.caret + s.size();
}

void Backspace(SimEditor& e) {
    if (SelStart(e) == SelEnd(e) && e.caret > 0) e.anchor = e.caret - 1;
    DeleteSelection(e);
}

std::size_t LineStart(const std::string& t, std::size_t pos) {
    const std::size_t nl = pos == 0 ? std::string::npos : t.rfind('\n', pos - 1);
    return nl == std::string::npos ? 0 : nl + 1;
}

std::size_t LineEnd(const std::string& t, std::size_t pos) {
    const std::size_t nl = t.find('\n', pos);
    return nl == std::string::npos ? t.size() : nl;
}

std::size_t VerticalMove(const std::string& t, std::size_t pos, bool up) {
    const std::size_t start = LineStart(t, pos);
    const std::size_t column = pos - start;
    if (up) {
        if (start == 0) return 0;
        const std::size_t prev = LineStart(t, start - 1);
        return std::min(prev + column, start - 1);
    }
    const std::size_t end = LineEnd(t, pos);
    if (end == t.size()) return t.size();
    return std::min(end + 1 + column, LineEnd(t, end + 1));
}

void MoveCaret(SimEditor& e, std::size_t to, bool extend) {
    e.caret = to;
    if (!extend) e.anchor = to;
}

void CtrlKey(SimEditor& e, std::uint8_t key, std::optional<std::string>& clipboard) {
    switch (key) {
    case 'A':
        e.anchor = 0;
        e.caret = e.text.size();
        break;
    case 'C':
        if (SelStart(e) != SelEnd(e)) clipboard = LinesToCrLf(SelectedText(e));
        break;
    case 'X':
        if (SelStart(e) != SelEnd(e)) {
            clipboard = LinesToCrLf(SelectedText(e));
            DeleteSelection(e);
        }
        break;
    case 'V':
        if (clipboard) Insert(e, LinesFromCrLf(*clipboard));
        break;
    default:
        break;
    }
}

} // namespace

std::string LinesFromCrLf(const std::string& clip) {
    std::string out;
    for (std::size_t i = 0; i < clip.size(); ++i) {
        if (clip[i] == '\r') {
            out += '\n';
            if (i + 1 < clip.size() && clip[i + 1] == '\n') ++i;
        } else {
            out += clip[i];
        }
    }
    return out;
}

std::string LinesToCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::string SelectedText(const SimEditor& e) {
    return e.text.substr(SelStart(e), SelEnd(e) - SelStart(e));
}

void EditorKeyDown(SimEditor& e, std::uint8_t key, const Modifiers& m, const KeyboardLayout& layout,
                   std::optional<std::string>& clipboard) {
    if (m.alt && m.ctrl && layout.hasAltGr) {
        if (auto c = CharForKey(layout, key, m.shift, true, m.capsLock))
            Insert(e, std::string(1, *c));
        return;
    }
    if (m.alt) return;
    if (m.ctrl) {
        CtrlKey(e, key, clipboard);
        return;
    }
    const bool hasSelection = SelStart(e) != SelEnd(e);
    switch (key) {
    case vk::Return:
        Insert(e, "\n");
        return;
    case vk::Tab:
        Insert(e, "\t");
        return;
    case vk::Back:
        return Backspace(e);
    case vk::Delete:
        if (!hasSelection && e.caret < e.text.size()) e.anchor = e.caret + 1;
        DeleteSelection(e);
        return;
    case vk::Left:
        if (!m.shift && hasSelection) return MoveCaret(e, SelStart(e), false);
        return MoveCaret(e, e.caret > 0 ? e.caret - 1 : 0, m.shift);
    case vk::Right:
        if (!m.shift && hasSelection) return MoveCaret(e, SelEnd(e), false);
        return MoveCaret(e, std::min(e.caret + 1, e.text.size()), m.shift);
    case vk::Up:
        return MoveCaret(e, VerticalMove(e.text, e.caret, true), m.shift);
    case vk::Down:
        return MoveCaret(e, VerticalMove(e.text, e.caret, false), m.shift);
    case vk::Home:
        return MoveCaret(e, LineStart(e.text, e.caret), m.shift);
    case vk::End:
        return MoveCaret(e, LineEnd(e.text, e.caret), m.shift);
    default:
        break;
    }
    if (auto c = CharForKey(layout, key, m.shift, false, m.capsLock)) Insert(e, std::string(1, *c));
}

void EditorChar(SimEditor& e, char c) {
    if (c == '\b') return Backspace(e);
    Insert(e, std::string(1, c == '\r' ? '\n' : c));
}
