#include "clip/ClipRing.h"

#include <algorithm>

namespace {

constexpr std::size_t kListedLength = 30;
constexpr int kHeadingLines = 4;
constexpr int kBottomMargin = 500;
constexpr int kWidthAtLargeFont = 4785;

} // namespace

bool ShowsClipList(std::string_view display) {
    return display.starts_with(kClipListHeading);
}

bool ShowsEmptyClipboardMessage(std::string_view display) {
    return display.starts_with("The MultiP");
}

int StoredClipCount(const MultiClipboardState& m) {
    return m.clipCount - 1;
}

bool RingWrapped(const MultiClipboardState& m) {
    return 1 < m.nextSlot && m.nextSlot < m.clipCount;
}

bool IsCapturable(std::string_view text) {
    return !text.empty() && text.size() <= kMaxClipLength;
}

bool StoreClip(MultiClipboardState& m, std::string_view clip) {
    for (int k = 0; k < StoredClipCount(m); ++k)
        if (m.slots[k] == clip) return false;
    m.slots[m.nextSlot - 1] = clip;
    m.nextSlot = m.nextSlot == MultiClipboardState::kSlots ? 1 : m.nextSlot + 1;
    if (m.clipCount <= MultiClipboardState::kSlots) ++m.clipCount;
    return true;
}

void ClearClips(MultiClipboardState& m) {
    for (std::string& slot : m.slots) slot.clear();
    m.clipCount = 1;
    m.nextSlot = 1;
}

std::string BuildClipList(const MultiClipboardState& m) {
    std::string list;
    for (int k = 1; k <= StoredClipCount(m); ++k) {
        std::string clip = m.slots[k - 1];
        if (clip.ends_with("\r\n")) clip.resize(clip.size() - 2);
        if (clip.size() > kListedLength) clip = clip.substr(0, kListedLength) + "...";
        if (const std::size_t lineBreak = clip.find("\r\n"); lineBreak != std::string::npos)
            clip = clip.substr(0, lineBreak) + "...";
        list += " " + std::to_string(k) + ") " + clip + "\r\n";
        if (RingWrapped(m) && k == m.nextSlot - 1) list += "\r\n";
    }
    return list;
}

std::string ClipListText(const MultiClipboardState& m) {
    std::string text(kClipListHeading);
    text += ". Click the clip you want\r\nto paste, with 'Shift' to change case.\r\n"
            "Or click one of the commands:\r\n\r\n";
    text += BuildClipList(m);
    text += "\r\n Paste all\r\n Paste all as a list\r\n Clear list";
    return text;
}

int LineOfIndex(std::string_view text, std::size_t index) {
    const std::string_view before = text.substr(0, std::min(index, text.size()));
    return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

std::uint8_t SelectionOnLine(const MultiClipboardState& m, int textLine) {
    int line = textLine - kHeadingLines;
    if (RingWrapped(m)) {
        if (line == m.nextSlot)
            line = 0;
        else if (line > m.nextSlot)
            --line;
    }
    if (line < 1) return MultiClipboardState::kNone;
    const int count = m.clipCount;
    if (line <= count - 1) return static_cast<std::uint8_t>(line);
    if (line == count + 1) return MultiClipboardState::kPasteAll;
    if (line == count + 2) return MultiClipboardState::kPasteAllAsList;
    if (line == count + 3) return MultiClipboardState::kClearList;
    return MultiClipboardState::kNone;
}

std::string ClipForPasting(const MultiClipboardState& m, int slot) {
    std::string clip = m.slots[slot - 1];
    if (clip.ends_with('\r')) clip.pop_back();
    return clip;
}

std::string JoinedClips(const MultiClipboardState& m, bool asList) {
    std::string joined;
    for (int k = 1; k <= StoredClipCount(m); ++k) {
        joined += m.slots[k - 1];
        if (joined.ends_with('\r')) joined.pop_back();
        if (asList) joined += '\r';
    }
    return joined;
}

ListWindowFit FitWindowForList(const MultiClipboardState& m, TwipRect window, int frameHeight,
                               int fontSize, int screenWidth, int screenHeight) {
    ListWindowFit fit{window, false};
    const int lines = StoredClipCount(m) + (RingWrapped(m) ? 1 : 0);
    int needed = 0;
    switch (fontSize) {
    case 8:
        needed = lines * 184 + 2343;
        break;
    case 10:
        needed = lines * 242 + 2679;
        break;
    case 12:
        needed = lines * 304 + 3153;
        break;
    default:
        return fit;
    }
    TwipRect& r = fit.rect;
    if (fontSize == 12 && r.width < kWidthAtLargeFont) {
        r.width = kWidthAtLargeFont;
        if (r.left + r.width > screenWidth) r.left = screenWidth - r.width;
    }
    if (r.height - frameHeight < needed) {
        fit.enlarged = true;
        r.height = needed + frameHeight;
        // Kept clear of the taskbar, but never with its caption above the screen.
        if (r.top + r.height > screenHeight - kBottomMargin)
            r.top = std::max(0, screenHeight - r.height - kBottomMargin);
    }
    return fit;
}
