#pragma once

#include "platform/sim/KeyboardLayout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A plain text editor as the simulated applications have it: one text with '\n' line breaks,
// a caret and a selection anchor (the selection runs between them).
struct SimEditor {
    std::string text;
    std::size_t caret = 0;
    std::size_t anchor = 0;
};

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool capsLock = false;
};

// A key going down while the editor has the focus, typing what the layout gives it (Ctrl with
// Alt is AltGr on a layout that has one). The clipboard holds CR LF line breaks.
void EditorKeyDown(SimEditor& e, std::uint8_t key, const Modifiers& m, const KeyboardLayout& layout,
                   std::optional<std::string>& clipboard);
// A character typed as itself, whatever the layout: Enter's, Tab's and Backspace's characters
// act as those keys.
void EditorChar(SimEditor& e, char c);
std::string SelectedText(const SimEditor& e);
// Line breaks between the editor ('\n') and the clipboard and text boxes (CR LF; a lone CR
// also reads as a line break).
std::string LinesFromCrLf(const std::string& text);
std::string LinesToCrLf(const std::string& text);
