#include "engine/CaretScan.h"

namespace {

constexpr int kRowStep = 15;
constexpr int kMostPerSide = 40; // a bar is measured at most this far up and down
constexpr int kShortestCaret = 16;
constexpr int kTallestCaret = 41;
constexpr int kProbeLeft = 12; // how far left of a bar its surroundings are read

// From the left: the first place where two neighbouring pixels show the background.
int LeftBound(const CaretScan& s, const PixelReader& px, int y) {
    for (int x = 0; x < s.width; ++x)
        if (px(x, y) == s.background && px(x + 1, y) == s.background) return x;
    return s.width;
}

// From `from` leftwards, down to `stop`.
int RightBound(const CaretScan& s, const PixelReader& px, int y, int from, int stop) {
    int x = from;
    while (x > stop && !(px(x, y) == s.background && px(x - 1, y) == s.background)) --x;
    return x;
}

// Both columns of the bar differ from the background.
bool InBar(const CaretScan& s, const PixelReader& px, int x, int y) {
    return px(x, y) != s.background && px(x + 1, y) != s.background;
}

// Text on a tall coloured area reads as one tall bar; when the bar's left side is that colour
// too, the area is the background the text stands on.
void TryColouredArea(CaretScan& s, const PixelReader& px, int x, int barBottom) {
    const std::uint32_t c = px(x, barBottom - 7);
    for (int k = 7; k <= 35; k += 2)
        if (px(x - kProbeLeft, barBottom - k) != c) return;
    s.background = c;
    s.lowestTextRow = -1;
    const int y = barBottom - 7;
    s.rightBound = RightBound(s, px, y, s.rightBound, s.leftBound + 200);
    s.leftBound = LeftBound(s, px, y);
}

} // namespace

void StartCaretScan(CaretScan& s, const PixelReader& px, int width, int height) {
    s.width = width;
    s.bottom = height - 1;
    s.lowestTextRow = -1;
    s.up = s.down = 0;
    const int y = s.bottom - 2;
    s.background = px(s.width / 2, y);
    s.rightBound = RightBound(s, px, y, s.width, 0);
    s.leftBound = LeftBound(s, px, y);
    s.row = s.bottom + 7;
}

ScanStep ScanNextRow(CaretScan& s, const PixelReader& px) {
    s.row -= kRowStep;
    const int y = s.row;
    if (y < kRowStep) return ScanStep::Exhausted;
    for (int x = s.rightBound; x > s.leftBound + 1; x -= 2) {
        if (px(x, y) == s.background) continue;
        if (s.lowestTextRow < 0) s.lowestTextRow = y;
        // A caret is at least two pixels wide; a one-pixel stroke is part of a letter.
        const bool rightDiffers = px(x + 1, y) != s.background;
        const bool leftDiffers = px(x - 1, y) != s.background;
        if (!rightDiffers && !leftDiffers) continue;
        if (leftDiffers) --x;
        int up = 0;
        while (up < kMostPerSide && y - up >= 0 && InBar(s, px, x, y - up)) ++up;
        int down = 0;
        while (down < kMostPerSide && y + down + 1 <= s.bottom && InBar(s, px, x, y + down + 1))
            ++down;
        const int height = up + down;
        if (height < kShortestCaret) continue;
        if (height <= kTallestCaret) {
            // Far right, a bar whose left side looks the same is a scroll bar's edge, not a caret.
            const int barTop = y - up + 1;
            if (4 * x <= 3 * s.width || px(x, barTop + 2) != px(x - kProbeLeft, barTop + 2)) {
                s.up = up;
                s.down = down;
                return ScanStep::Found;
            }
            return ScanStep::GoOn;
        }
        TryColouredArea(s, px, x, y + down);
    }
    return ScanStep::GoOn;
}
