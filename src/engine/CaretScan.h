#pragma once

#include <cstdint>
#include <functional>

// The search for the caret in another application's window, which cannot be asked where its
// caret is: rows of pixels are read from the bottom up, 15 pixels apart, for a vertical bar two
// pixels wide and 16 to 41 pixels tall. Pixels are 0xBBGGRR; the window's own coordinates.

// What a point outside the window reads as, like any other colour.
inline constexpr std::uint32_t kNoPixel = 0xFFFFFFFFu;
using PixelReader = std::function<std::uint32_t(int x, int y)>;

struct CaretScan {
    int width = 0;  // of the window
    int bottom = 0; // the window's last row
    std::uint32_t background = 0;
    int leftBound = 0; // the text area between the window's edges, where the background starts
    int rightBound = 0;
    int row = 0;            // the row scanned last
    int lowestTextRow = -1; // the first row that showed anything but background; -1 none yet
    int up = 0;             // the bar found: pixels from the row upwards, the row included
    int down = 0;           // and below the row
};

// The background is what the window shows just above its bottom edge, in the middle; the bounds
// are found along that row.
void StartCaretScan(CaretScan& s, const PixelReader& px, int width, int height);

enum class ScanStep { GoOn, Found, Exhausted };
// Scans the next row up: a bar found ends the search, and so does coming within 15 pixels of
// the window's top.
ScanStep ScanNextRow(CaretScan& s, const PixelReader& px);
